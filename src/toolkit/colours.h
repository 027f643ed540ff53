// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Colour values as Qt colours.

#include "core/colour_value.h"

#include <QColor>

namespace tk {

// The colour a value stands for; system colours come from the application palette at the
// moment of the call. An unknown system colour number gives black.
QColor toQColor(core::ColourValue value);

} // namespace tk
