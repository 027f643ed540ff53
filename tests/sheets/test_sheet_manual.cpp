// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The manual page placevalue-sheets(1) against the command line's table of options: the same
// options, values, ranges and exit statuses as the program takes and its --help shows.

#include "sheets/command_line.h"
#include "sheets/command_options.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

// A paragraph of the manual as a reader sees it: the item's tag (after .TP) and its text.
struct Paragraph {
    QString section;
    QString tag;
    QString text;
};

// A request line's arguments, the quoted ones with their blanks.
QStringList arguments(const QString& line)
{
    QStringList found;
    static const QRegularExpression kArgument(u"\"([^\"]*)\"|(\\S+)"_s);
    for (const QRegularExpressionMatch& m : kArgument.globalMatch(line)) {
        found.append(m.captured(1).isNull() ? m.captured(2) : m.captured(1));
    }
    return found;
}

// The text groff makes of one line: the font requests' arguments joined (.B and .I with
// blanks, the alternating ones without), the dashes and font changes undone.
QString plainLine(const QString& line)
{
    QString text = line;
    if (line.startsWith(u'.')) {
        const QString request = line.section(u' ', 0, 0);
        const QStringList words = arguments(line.section(u' ', 1));
        text = words.join(request.size() == 2 ? u" "_s : QString());
    }
    static const QRegularExpression kFontChange(u"\\\\f[RBIP]"_s);
    return text.replace(u"\\-"_s, u"-"_s).remove(kFontChange);
}

QList<Paragraph> readManual()
{
    QFile file(QStringLiteral(PLACEVALUE_SHEETS_MANUAL));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QList<Paragraph> paragraphs;
    QString section;
    bool tagNext = false;
    static const QRegularExpression kBreak(u"^\\.(TP|PP|br|SH)\\b"_s);
    static const QRegularExpression kFont(u"^\\.(B|I|BR|RB|BI|IB|IR|RI)\\s"_s);
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        if (const QRegularExpressionMatch m = kBreak.match(line); m.hasMatch()) {
            if (m.captured(1) == u"SH") {
                section = line.mid(4).trimmed();
            }
            paragraphs.append({section, {}, {}});
            tagNext = m.captured(1) == u"TP";
        } else if (line.startsWith(u'.') && !kFont.match(line).hasMatch()) {
            continue; // comments and the page's own settings
        } else if (!paragraphs.isEmpty()) {
            Paragraph& paragraph = paragraphs.last();
            QString& into = tagNext ? paragraph.tag : paragraph.text;
            into = (into + u' ' + plainLine(line)).simplified();
            tagNext = false;
        }
    }
    return paragraphs;
}

QList<Paragraph> sectionOf(const QList<Paragraph>& manual, const QString& section)
{
    QList<Paragraph> found;
    for (const Paragraph& paragraph : manual) {
        if (paragraph.section == section && !(paragraph.tag + paragraph.text).isEmpty()) {
            found.append(paragraph);
        }
    }
    return found;
}

// "--seed S" as the help and the manual write an option.
QString written(const sheets::OptionRule& rule)
{
    const QString name = u"--"_s + rule.name;
    return sheets::takesValue(rule) ? name + u' ' + sheets::valueText(rule) : name;
}

} // namespace

class TestSheetManual : public QObject {
    Q_OBJECT

    QList<Paragraph> manual_ = readManual();

private Q_SLOTS:
    // The manual's ways of running the program are the help's, option for option.
    void synopsisIsTheHelps()
    {
        QStringList manual;
        for (const Paragraph& paragraph : sectionOf(manual_, u"SYNOPSIS"_s)) {
            manual.append(paragraph.text);
        }
        const QString usage = sheets::usageText().section(u"\nMakes"_s, 0, 0);
        QStringList help = usage.mid(usage.indexOf(u"placevalue-sheets"_s))
                               .simplified()
                               .replace(u" placevalue-sheets"_s, u"\nplacevalue-sheets"_s)
                               .split(u'\n');
        help.prepend(u"placevalue-sheets"_s); // the window's, which --help describes in words
        QCOMPARE(manual, help);
    }

    void everyOptionIsDescribed_data()
    {
        QTest::addColumn<int>("index");
        for (std::size_t i = 0; i < sheets::commandLineOptions().size(); ++i) {
            const sheets::OptionRule& rule = sheets::commandLineOptions()[i];
            if (rule.instead == sheets::CommandLine::Action::WriteSheets) {
                QTest::addRow("--%s", qPrintable(QString(rule.name))) << static_cast<int>(i);
            }
        }
    }
    // Its item names it with its value, and says its range and the activities it is refused for.
    void everyOptionIsDescribed()
    {
        QFETCH(int, index);
        const sheets::OptionRule& rule =
            sheets::commandLineOptions()[static_cast<std::size_t>(index)];
        const QList<Paragraph> options = sectionOf(manual_, u"OPTIONS"_s);
        const Paragraph* item = nullptr;
        for (const Paragraph& paragraph : options) {
            if (paragraph.tag.split(u", "_s).contains(written(rule))) {
                item = &paragraph;
            }
        }
        if (item == nullptr) {
            QFAIL(qPrintable(u"no item \"%1\" in OPTIONS"_s.arg(written(rule))));
        }
        QStringList says;
        if (rule.help.contains(u"%1")) {
            says.append(u"%1 to %2"_s.arg(rule.range.lowest).arg(rule.range.highest));
        } else if (rule.range.highest != 0) {
            says.append(u"at most %1 characters"_s.arg(rule.range.highest));
        }
        for (const sheets::Activity activity :
             {sheets::Activity::Write, sheets::Activity::Choose, sheets::Activity::Read}) {
            const QString refused = u"not with "_s + sheets::activityName(activity);
            if (rule.appliesTo != nullptr && !rule.appliesTo(activity)) {
                says.append(refused);
            } else {
                QVERIFY2(!item->text.contains(refused), qPrintable(item->text));
            }
        }
        for (const QString& words : says) {
            QVERIFY2(item->text.contains(words), qPrintable(u"%1: \"%2\" does not say \"%3\""_s.arg(
                                                     written(rule), item->text, words)));
        }
    }

    // The manual names no option the program does not take.
    void noOtherOption()
    {
        QVERIFY(!manual_.isEmpty());
        static const QRegularExpression kOption(u"(?<![\\w-])--?([a-z][-a-z]*)"_s);
        for (const Paragraph& paragraph : manual_) {
            const QString text = paragraph.tag + u' ' + paragraph.text;
            for (const QRegularExpressionMatch& m : kOption.globalMatch(text)) {
                QVERIFY2(sheets::findOption(m.capturedView(1)) != nullptr,
                         qPrintable(u"%1 in %2"_s.arg(m.captured(0), paragraph.section)));
            }
        }
    }

    void exitStatuses()
    {
        const QList<Paragraph> status = sectionOf(manual_, u"EXIT STATUS"_s);
        QCOMPARE(status.size(), 1);
        for (const int code : {sheets::kExitDone, sheets::kExitUsage}) {
            QVERIFY2(QRegularExpression(u"(^|; )%1 "_s.arg(code)).match(status[0].text).hasMatch(),
                     qPrintable(status[0].text));
        }
    }
};

QTEST_GUILESS_MAIN(TestSheetManual)
#include "test_sheet_manual.moc"
