// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Running the worksheet maker and poppler-utils as real processes.

#include <QProcess>
#include <QString>
#include <QStringList>

struct ToolRun {
    bool started = false;
    int status = -1;
    QString out;
    QString err;
    QByteArray outBytes; // standard output as it came
};

inline ToolRun runTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    ToolRun run;
    run.started = process.waitForStarted(10000);
    if (!run.started || !process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.outBytes = process.readAllStandardOutput();
    run.out = QString::fromUtf8(run.outBytes);
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

inline ToolRun runSheets(const QStringList& arguments)
{
    return runTool(QStringLiteral(PLACEVALUE_SHEETS_PROGRAM), arguments);
}

// The text of a PDF in reading order, pages split by form feeds.
inline QString pdfText(const QString& pdf)
{
    const ToolRun run = runTool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    return run.status == 0 ? run.out : QString();
}
