// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/writing_choices.h"

#include <QComboBox>
#include <QList>

#include <utility>

namespace sheets {

namespace {

// A choice of characters, each item's data the character, the regional settings' one chosen
// (and added when it is none of the others).
QComboBox* makeCharacterChoice(QWidget* parent, const QString& name,
                               const QList<std::pair<QString, char32_t>>& items, char32_t regional,
                               const QString& regionalText)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    for (const auto& [text, character] : items) {
        box->addItem(text, static_cast<uint>(character));
    }
    if (box->findData(static_cast<uint>(regional)) < 0) {
        box->addItem(regionalText, static_cast<uint>(regional));
    }
    box->setCurrentIndex(box->findData(static_cast<uint>(regional)));
    return box;
}

std::pair<QString, char32_t> separatorItem(const QString& name, char32_t separator)
{
    return {name + QStringLiteral(u" ( ") + core::codePointText(separator) + QStringLiteral(u" )"),
            separator};
}

} // namespace

QComboBox* makeDigitsChoice(QWidget* parent)
{
    const char32_t regional = core::regionalWriting().zeroDigit();
    const core::NumberWriting plain;
    const core::NumberWriting arabic = plain.withDigits(core::DigitSet::ArabicIndic);
    return makeCharacterChoice(parent, QStringLiteral("digits"),
                               {{plain.write("0123456789"), plain.zeroDigit()},
                                {arabic.write("0123456789"), arabic.zeroDigit()}},
                               regional, core::NumberWriting(regional, U'.').write("0123456789"));
}

QComboBox* makeSeparatorChoice(QWidget* parent)
{
    const char32_t regional = core::regionalWriting().separator();
    return makeCharacterChoice(
        parent, QStringLiteral("separator"),
        {separatorItem(QStringLiteral(u"نقطة"), U'.'),
         separatorItem(QStringLiteral(u"فاصلة"), U','),
         separatorItem(QStringLiteral(u"الفاصلة العشرية العربية"), U'\u066B')},
        regional, separatorItem(QString(), regional).first);
}

core::NumberWriting chosenWriting(const QComboBox& digits, const QComboBox& separator)
{
    return {digits.currentData().toUInt(), separator.currentData().toUInt()};
}

} // namespace sheets
