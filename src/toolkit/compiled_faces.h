// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The faces compiled into the program, for the platforms that have none of them installed
// (Windows, the browser): cut down to the letters the program can show
// (src/toolkit/CMakeLists.txt).

namespace tk {

// Registers every compiled-in face with Qt's font database; once, later calls do nothing.
void registerCompiledFaces();

} // namespace tk
