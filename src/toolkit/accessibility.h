// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What screen readers learn about the toolkit's controls.

namespace tk {

// Registers, once, the accessibility interfaces of labels: a clickable label is a button
// named by its caption, any other label static text.
void installAccessibility();

} // namespace tk
