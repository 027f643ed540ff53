// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/sheets_run.h"

#include "sheets/command_line.h"
#include "sheets/sheet_window.h"
#include "toolkit/platform.h"

#include <QApplication>
#include <QGuiApplication>

#include <cstdio>

namespace {

void setIdentity()
{
    QCoreApplication::setApplicationName(QStringLiteral("placevalue-sheets"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PLACEVALUE_VERSION));
    QCoreApplication::setOrganizationName(QStringLiteral("placevalue"));
}

// On the command line standard error carries the program's own one-line messages alone; Qt's
// remarks about the session it runs in (no runtime folder, and the like) are not for a script.
void keepOnlySeriousMessages(QtMsgType type, const QMessageLogContext& /*context*/,
                             const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fputs(qPrintable(message + u'\n'), stderr);
    }
}

} // namespace

int runSheetsProgram(int argc, char** argv)
{
    if (argc > 1) {
        tk::platform::attachToStartingConsole();
        const sheets::CommandLine commandLine =
            sheets::parseCommandLine(tk::platform::commandLineArguments(argc, argv));
        if (commandLine.action != sheets::CommandLine::Action::WriteSheets) {
            return sheets::runCommandLine(commandLine);
        }
        // The fonts need a GUI application; the offscreen platform keeps it from any display.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(keepOnlySeriousMessages);
        int guiArgc = 1;
        QGuiApplication application(guiArgc, argv);
        setIdentity();
        return sheets::runCommandLine(commandLine);
    }
    if (!tk::platform::canShowWindows(argc, argv)) {
        std::fputs("placevalue-sheets: no display to open the window on (see --help for the "
                   "command line)\n",
                   stderr);
        return sheets::kExitUsage;
    }
    QApplication application(argc, argv);
    setIdentity();
    sheets::installArabicDialogTexts();
    QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    sheets::SheetWindow window;
    window.show();
    return QApplication::exec();
}
