// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/program_run.h"

int main(int argc, char** argv)
{
    return runPlaceValueProgram(argc, argv);
}
