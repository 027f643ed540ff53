// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A worksheet: what the teacher asked for, and the questions drawn for it from the sheet
// number and the activity alone by the drill's own question makers; a class set is one sheet
// per pupil, with consecutive numbers.

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
inline constexpr int kMinPupils = 1;
inline constexpr int kMaxPupils = 60;
// The longest school or class name, in the window and on the command line: at this length an
// Arabic name stays on one line of the sheet's header, at 11 points or more.
inline constexpr int kMaxHeaderText = 80;

struct SheetOptions {
    Activity activity = Activity::Write;
    int questions = 20;            // kMinQuestions to kMaxQuestions
    std::uint64_t sheetNumber = 1; // 0 to kMaxSheetNumber; with the activity the only seed
    int pupils = 1;                // a class set: sheets sheetNumber, sheetNumber + 1, ...
    bool answerKey = false;        // never for the reading activity, which has no answers
    DigitMark mark = DigitMark::Red;
    QString school; // header lines of at most kMaxHeaderText; empty ones are left out
    QString className;
    bool nameAndDateLine = false;
    // The digits and the decimal separator of every number on the sheet and its key.
    core::NumberWriting writing = core::regionalWriting();

    bool operator==(const SheetOptions&) const = default;
};

// One question as the drill shows it: Label4 to Label1 on the exercise screens, or the reading
// practice's caption.
struct SheetQuestion {
    core::PlaceValueQuestion question;
    QString wholePart;                    // the caption of Label4: a blank, waw, the whole part
    std::array<QString, 3> decimalDigits; // tenths, hundredths, thousandths (reading order)
    std::array<QString, 3> candidates;    // choose: core::choiceValues, as thousandths first
    QString answer;                       // the right answer; none for reading
    QString reading;                      // read: text(P), waw, text(Q)
};

// The index into decimalDigits of the marked digit, the one at the question's chosen place
// (0 the tenths, 2 the thousandths).
int markedDigit(const SheetQuestion& item);

struct Sheet {
    SheetOptions options; // sheetNumber is this sheet's own
    QList<SheetQuestion> questions;
};

// Draws options.questions questions from the sheet number and the activity, by the drill's
// question makers (GenerateQuestion, the Enter table of the reading practice) with the rules a
// sheet adds: no number twice on a sheet, the marked places in turn (each three questions mark
// the tenths, hundredths and thousandths in an order drawn afresh), and no reading number
// without a second part (0 after the waw, as in 0و0). A shorter sheet is the start of a longer
// one with the same number. Every number is written in options.writing, which changes how the
// questions are written but never which they are.
Sheet makeSheet(const SheetOptions& options);

// The sheets of a class set: options.pupils sheets numbered from options.sheetNumber, each the
// sheet its own number gives alone.
QList<Sheet> makeClassSet(const SheetOptions& options);

// The largest first sheet number a class set of this many pupils may start from.
std::uint64_t maxFirstSheetNumber(int pupils);

// The right answer as the key writes it; empty for the reading activity.
QString answerText(const SheetQuestion& question);

// Whether the activity has answers to put on a key, and a digit to mark.
bool hasAnswers(Activity activity);

// Whether the options ask for an answer key the activity can have.
bool wantsAnswerKey(const SheetOptions& options);

// The instruction printed above the questions, naming the mark in use.
QString instructionText(Activity activity, DigitMark mark);
// The heading of the answer key and the line that names the sheet.
QString answerKeyTitle();
QString sheetNumberText(std::uint64_t sheetNumber, const core::NumberWriting& writing);

} // namespace sheets
