// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/program_end_recorder.h"

#include "toolkit/program.h"

ProgramEndRecorder::ProgramEndRecorder()
{
    tk::setProgramExitForTests([this] { ++ends_; });
}

ProgramEndRecorder::~ProgramEndRecorder()
{
    tk::setProgramExitForTests({});
}
