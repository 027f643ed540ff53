// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/command_line.h"
#include "sheets/command_options.h"

namespace sheets {

namespace {

constexpr qsizetype kLineWidth = 80;
constexpr qsizetype kDescriptionColumn = 16;

// The start, then the pieces, separated by blanks, as many to a line as fit in kLineWidth; the
// later lines are indented by the given width.
QString wrapped(const QString& start, const QStringList& pieces, qsizetype indent)
{
    QString text = start;
    qsizetype lineStart = 0;
    bool lineIsNew = false;
    for (const QString& piece : pieces) {
        if (!lineIsNew && text.size() - lineStart + 1 + piece.size() > kLineWidth) {
            text += u'\n';
            lineStart = text.size();
            text += QString(indent, u' ');
            lineIsNew = true;
        }
        text += (lineIsNew ? QString() : QStringLiteral(" ")) + piece;
        lineIsNew = false;
    }
    return text;
}

// "--seed S", in brackets unless it must be given.
QString synopsisItem(const OptionRule& rule)
{
    QString item = QStringLiteral("--") + rule.name;
    if (takesValue(rule)) {
        item += u' ' + valueText(rule);
    }
    return rule.required ? item : u'[' + item + u']';
}

// The activities the option does not apply to, "(not with read)"; empty when it applies to all.
QString exceptions(const OptionRule& rule)
{
    QStringList refused;
    for (const Activity activity : {Activity::Write, Activity::Choose, Activity::Read}) {
        if (rule.appliesTo != nullptr && !rule.appliesTo(activity)) {
            refused.append(activityName(activity));
        }
    }
    return refused.isEmpty() ? QString()
                             : QStringLiteral(" (not with %1)").arg(refused.join(u", "));
}

QString description(const OptionRule& rule)
{
    QString text = rule.help;
    text.replace(QStringLiteral("%1"), QString::number(rule.range.lowest))
        .replace(QStringLiteral("%2"), QString::number(rule.range.highest));
    return text + exceptions(rule);
}

} // namespace

QString usageText()
{
    QStringList sheetOptions;
    QStringList otherRuns;
    for (const OptionRule& rule : commandLineOptions()) {
        if (rule.instead == CommandLine::Action::WriteSheets) {
            sheetOptions.append(synopsisItem(rule));
        } else {
            otherRuns.append(QStringLiteral("--") + rule.name);
            if (!rule.shortName.isEmpty()) {
                otherRuns.append(QStringLiteral("-") + rule.shortName);
            }
        }
    }
    const QString usage = QStringLiteral("Usage: ");
    const QString program = QStringLiteral("placevalue-sheets");
    QStringList lines = {
        wrapped(usage + program, sheetOptions, usage.size() + program.size() + 1),
        QString(usage.size(), u' ') + program + u' ' + otherRuns.join(QStringLiteral(" | ")),
        QStringLiteral("Makes place-value worksheets as an A4 PDF. Without arguments it opens a "
                       "window."),
        QString()};
    for (const OptionRule& rule : commandLineOptions()) {
        if (!rule.help.isEmpty()) {
            const QString name = QStringLiteral("  --") + rule.name;
            lines.append(wrapped(name.leftJustified(kDescriptionColumn - 1),
                                 description(rule).split(u' '), kDescriptionColumn));
        }
    }
    lines.append(QString());
    lines.append(wrapped(QStringLiteral("Exit status:"),
                         QStringLiteral("%1 when the sheets are written, %2 for a wrong option or "
                                        "an output that cannot be written (nothing is written "
                                        "then).")
                             .arg(kExitDone)
                             .arg(kExitUsage)
                             .split(u' '),
                         0));
    return lines.join(u'\n');
}

} // namespace sheets
