// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Records the end of the program instead of leaving the event loop, for one scope.

class ProgramEndRecorder {
public:
    ProgramEndRecorder();
    ~ProgramEndRecorder();
    ProgramEndRecorder(const ProgramEndRecorder&) = delete;
    ProgramEndRecorder& operator=(const ProgramEndRecorder&) = delete;

    int ends() const { return ends_; }

private:
    int ends_ = 0;
};
