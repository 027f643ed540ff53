// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/spoken_question.h"

#include "core/number_text.h"

#include <array>

namespace core {

namespace {

// The digits 1 to 9 in words (the chosen digit is never 0).
constexpr std::array<const char16_t*, 10> kDigitWords = {
    u"صفر", u"واحد", u"اثنان", u"ثلاثة", u"أربعة", u"خمسة", u"ستة", u"سبعة", u"ثمانية", u"تسعة"};
// The first, second and third digit after the waw.
constexpr std::array<const char16_t*, 3> kPositionWords = {u"الأول", u"الثاني", u"الثالث"};

} // namespace

int chosenDigitPosition(const PlaceValueQuestion& question)
{
    if (question.ChosenDigit == 0) {
        return 0;
    }
    switch (question.Place) {
    case DecimalPlace::Tenths:
        return 1;
    case DecimalPlace::Hundredths:
        return 2;
    case DecimalPlace::Thousandths:
        return 3;
    }
    return 0;
}

QString chosenDigitDescription(const PlaceValueQuestion& question)
{
    const int position = chosenDigitPosition(question);
    const auto digit = static_cast<std::size_t>(question.ChosenDigit);
    if (position == 0 || digit >= kDigitWords.size()) {
        return {};
    }
    return QStringLiteral(u"الرقم الملون باللون الاحمر هو %1، الرقم %2 بعد الواو")
        .arg(QString::fromUtf16(kDigitWords.at(digit)),
             QString::fromUtf16(kPositionWords.at(static_cast<std::size_t>(position - 1))));
}

QString spokenQuestion(const PlaceValueQuestion& question, const NumberWriting& writing)
{
    const QString number = QStringLiteral(u"العدد %1 و %2 %3 %4")
                               .arg(FormatNumber(question.WholePart, writing),
                                    FormatNumber(question.TenthsDigit, writing),
                                    FormatNumber(question.HundredthsDigit, writing),
                                    FormatNumber(question.ThousandthsDigit, writing));
    const QString chosen = chosenDigitDescription(question);
    return chosen.isEmpty() ? number : number + QStringLiteral(u"، ") + chosen;
}

} // namespace core
