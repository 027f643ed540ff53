// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/sheets_run.h"

int main(int argc, char** argv)
{
    return runSheetsProgram(argc, argv);
}
