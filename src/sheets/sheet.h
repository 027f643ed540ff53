// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A worksheet: what the teacher asked for, and the questions drawn for it from the sheet
// number alone by the drill's own question makers.

#include "core/number_writing.h"
#include "core/place_value_question.h"

#include <QList>
#include <QString>

#include <array>
#include <cstdint>

namespace sheets {

enum class Activity { Write, Choose, Read };
// How the chosen digit stands out: red, or bold and underlined for black-and-white printers.
enum class DigitMark { Red, Underline };

inline constexpr int kMinQuestions = 10;
inline constexpr int kMaxQuestions = 60;
inline constexpr std::uint64_t kMaxSheetNumber = 999'999'999;

struct SheetOptions {
    Activity activity = Activity::Write;
    int questions = 20;            // kMinQuestions to kMaxQuestions
    std::uint64_t sheetNumber = 1; // 0 to kMaxSheetNumber; the only seed
    bool answerKey = false;        // never for the reading activity, which has no answers
    DigitMark mark = DigitMark::Red;
    QString school; // header lines; empty ones are left out
    QString className;
    bool nameAndDateLine = false;
    // The digits and the decimal separator of every number on the sheet and its key.
    core::NumberWriting writing = core::regionalWriting();

    bool operator==(const SheetOptions&) const = default;
};

// One question as the drill shows it: Label4 to Label1 on the exercise screens, or the reading
// practice's caption.
struct SheetQuestion {
    PlaceValueQuestion question;
    QString wholePart;                    // the caption of Label4: a blank, waw, the whole part
    std::array<QString, 3> decimalDigits; // tenths, hundredths, thousandths (reading order)
    int markedDigit = 0;                  // index into decimalDigits: 0 tenths, 2 thousandths
    std::array<QString, 3> candidates;    // choose: the digit as thousandths, hundredths, tenths
    QString answer;                       // the right answer; none for reading
    QString reading;                      // read: text(P), waw, text(Q)
};

struct Sheet {
    SheetOptions options;
    QList<SheetQuestion> questions;
};

// Draws options.questions questions from the sheet number alone: place-value questions by
// GenerateQuestion, reading numbers by the Enter table of the reading practice; every number
// written in options.writing.
Sheet makeSheet(const SheetOptions& options);

// The right answer as the key writes it; empty for the reading activity.
QString answerText(const SheetQuestion& question);

// Whether the activity has answers to put on a key.
bool hasAnswers(Activity activity);

// The instruction printed above the questions, naming the mark in use.
QString instructionText(Activity activity, DigitMark mark);
// The heading of the answer key and the line that names the sheet.
QString answerKeyTitle();
QString sheetNumberText(std::uint64_t sheetNumber, const core::NumberWriting& writing);
// A question's number on the sheet and the key: "7." in the digits 0 to 9; "(٧)" in other
// digits, whose zero is a dot that a full stop after them would pass for.
QString questionNumberText(int number, const core::NumberWriting& writing);

} // namespace sheets
