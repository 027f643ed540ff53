// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The worksheet maker's command line, run as a real process: a wrong option or value says so
// in one line on standard error, ends with status 2 and writes nothing.

#include "core/number_text.h"
#include "sheet_tools.h"
#include "sheets/command_line.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

// A good command line with one option replaced, added or dropped: "--seed=x" replaces the
// seed's value, "-seed" drops it, "+x" adds the argument x.
QStringList commandLine(const QString& output, const QStringList& changes)
{
    QStringList arguments = {u"--activity"_s, u"write"_s, u"--questions"_s, u"20"_s,
                             u"--seed"_s,     u"17"_s,    u"--output"_s,    output};
    for (const QString& change : changes) {
        if (change.startsWith(u"+")) {
            arguments.append(change.mid(1));
        } else if (change.contains(u'=')) {
            const QString name = change.section(u'=', 0, 0);
            arguments[arguments.indexOf(name) + 1] = change.section(u'=', 1);
        } else {
            const qsizetype at = arguments.indexOf(u"-"_s + change);
            arguments.remove(at, 2);
        }
    }
    return arguments;
}

} // namespace

class TestSheetCommandLine : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    QString output() const { return dir_.filePath(u"sheet.pdf"_s); }

private Q_SLOTS:
    void wrongOptionsWriteNothing_data()
    {
        QTest::addColumn<QStringList>("changes");
        QTest::addColumn<QString>("says");
        const auto row = [](const char* name, const QStringList& changes, const QString& says) {
            QTest::newRow(name) << changes << says;
        };
        row("unknown option", {u"+--colour"_s, u"+red"_s}, u"unknown option '--colour'"_s);
        row("unknown short option", {u"+-x"_s}, u"unknown option '-x'"_s);
        row("Qt's own option", {u"+-platform"_s, u"+offscreen"_s}, u"'-platform'"_s);
        row("unknown option with a value", {u"+--colour=red"_s}, u"'--colour'"_s);
        row("unknown activity", {u"--activity=draw"_s}, u"draw"_s);
        row("empty activity", {u"--activity="_s}, u"--activity"_s);
        row("activity in capitals", {u"--activity=WRITE"_s}, u"WRITE"_s);
        row("nine questions", {u"--questions=9"_s}, u"10 to 60"_s);
        row("sixty-one questions", {u"--questions=61"_s}, u"10 to 60"_s);
        row("no questions", {u"--questions=0"_s}, u"10 to 60"_s);
        row("questions in words", {u"--questions=ten"_s}, u"ten"_s);
        row("negative questions", {u"--questions=-20"_s}, u"-20"_s);
        row("fractional questions", {u"--questions=20.5"_s}, u"20.5"_s);
        row("seed not a number", {u"--seed=abc"_s}, u"abc"_s);
        row("negative seed", {u"--seed=-1"_s}, u"-1"_s);
        row("seed with exponent", {u"--seed=1e3"_s}, u"1e3"_s);
        row("seed with sign", {u"--seed=+5"_s}, u"+5"_s);
        row("empty seed", {u"--seed="_s}, u"--seed"_s);
        row("seed too large", {u"--seed=1000000000"_s}, u"1000000000"_s);
        row("unknown mark", {u"+--mark"_s, u"+blue"_s}, u"blue"_s);
        row("unknown digits", {u"+--digits"_s, u"+roman"_s},
            u"--digits must be western or arabic, not 'roman'"_s);
        row("digits in Arabic", {u"+--digits"_s, u"+٠١٢"_s}, u"٠١٢"_s);
        row("unknown separator", {u"+--separator"_s, u"+dot"_s},
            u"--separator must be point, comma or arabic, not 'dot'"_s);
        row("separator as a character", {u"+--separator=,"_s}, u"','"_s);
        // What does not apply to the reading activity is refused, each the same way.
        row("answers for reading", {u"--activity=read"_s, u"+--answers"_s},
            u"--answers does not apply to the read activity"_s);
        row("mark for reading", {u"--activity=read"_s, u"+--mark"_s, u"+red"_s},
            u"--mark does not apply to the read activity"_s);
        row("key file for reading", {u"--activity=read"_s, u"+--key-output"_s, u"+@/key.pdf"_s},
            u"--key-output does not apply to the read activity"_s);
        row("separator for reading", {u"--activity=read"_s, u"+--separator"_s, u"+comma"_s},
            u"--separator does not apply to the read activity"_s);
        row("no pupils", {u"+--pupils"_s, u"+0"_s},
            u"--pupils must be a whole number from 1 to 60"_s);
        row("61 pupils", {u"+--pupils"_s, u"+61"_s}, u"'61'"_s);
        row("pupils in words", {u"+--pupils"_s, u"+thirty"_s}, u"'thirty'"_s);
        row("set past the last sheet number", {u"--seed=999999990"_s, u"+--pupils"_s, u"+11"_s},
            u"999999999"_s);
        const int tooLong = sheets::kMaxHeaderText + 1;
        const QString limit = u"at most %1 characters"_s.arg(sheets::kMaxHeaderText);
        row("school too long", {u"+--school"_s, u"+"_s + QString(tooLong, QChar(u'م'))}, limit);
        row("class too long", {u"+--class"_s, u"+"_s + QString(tooLong, u'x')}, limit);
        row("key file is the output", {u"+--key-output"_s, u"+@/sheet.pdf"_s}, u"another file"_s);
        row("key file and sheets both on standard output",
            {u"--output=-"_s, u"+--key-output"_s, u"+-"_s}, u"another file"_s);
        row("key file without a name", {u"+--key-output="_s}, u"--key-output"_s);
        row("key file in a missing folder", {u"+--key-output"_s, u"+@/missing/key.pdf"_s},
            u"missing"_s);
        row("answers with a value", {u"+--answers=yes"_s}, u"--answers takes no value"_s);
        row("stray argument", {u"+sheet"_s}, u"sheet"_s);
        row("seed twice", {u"+--seed"_s, u"+18"_s}, u"--seed"_s);
        row("seed without value", {u"-seed"_s, u"+--seed"_s}, u"--seed needs a value"_s);
        row("a lone dash", {u"+-"_s}, u"unexpected argument '-'"_s);
        row("no activity", {u"-activity"_s}, u"--activity"_s);
        row("no questions option", {u"-questions"_s}, u"--questions"_s);
        row("no seed", {u"-seed"_s}, u"--seed"_s);
        row("no output", {u"-output"_s}, u"--output"_s);
        row("empty output", {u"--output="_s}, u"--output"_s);
        row("output in a missing folder", {u"--output=@/missing/sheet.pdf"_s}, u"missing"_s);
        row("output is a folder", {u"--output=@"_s}, u"cannot write"_s);
    }
    void wrongOptionsWriteNothing()
    {
        QFETCH(QStringList, changes);
        QFETCH(QString, says);
        QVERIFY(dir_.isValid());
        for (QString& change : changes) {
            change.replace(u"=@"_s, u"="_s + dir_.path());
            change.replace(u"+@"_s, u"+"_s + dir_.path());
        }
        const ToolRun run = runSheets(commandLine(output(), changes));
        QVERIFY(run.started);
        QCOMPARE(run.status, sheets::kExitUsage);
        QVERIFY(run.out.isEmpty());
        QVERIFY2(run.err.endsWith(u'\n') && run.err.count(u'\n') == 1, qPrintable(run.err));
        // Our own words, in one style: the program's name, then a lower-case sentence without a
        // closing full stop.
        QVERIFY2(QRegularExpression(u"^placevalue-sheets: [-'a-z]"_s).match(run.err).hasMatch(),
                 qPrintable(run.err));
        QVERIFY2(!run.err.trimmed().endsWith(u'.'), qPrintable(run.err));
        QVERIFY2(run.err.contains(says), qPrintable(run.err));
        QCOMPARE(
            QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            QStringList());
    }

    // A failed run leaves a sheet written before as it was.
    void failedRunKeepsTheOldFile()
    {
        QFile old(output());
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("an older sheet");
        old.close();
        QCOMPARE(runSheets(commandLine(output(), {u"--questions=99"_s})).status, 2);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), "an older sheet");
        old.close();
        QCOMPARE(runSheets(commandLine(output(), {})).status, 0);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QVERIFY(old.readAll().startsWith("%PDF-"));
        old.close();
        QVERIFY(old.remove());
    }

    void helpAndVersion_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("says");
        QTest::newRow("help") << u"--help"_s << u"Usage: placevalue-sheets --activity"_s;
        QTest::newRow("-h") << u"-h"_s << u"Usage: placevalue-sheets --activity"_s;
        QTest::newRow("version") << u"--version"_s << u"placevalue-sheets 1.00\n"_s;
    }
    void helpAndVersion()
    {
        QFETCH(QString, option);
        QFETCH(QString, says);
        const ToolRun run = runSheets({option});
        QCOMPARE(run.status, 0);
        QVERIFY(run.err.isEmpty());
        QVERIFY2(run.out.startsWith(says), qPrintable(run.out));
    }

    void everyOptionIsRead()
    {
        const sheets::CommandLine parsed = sheets::parseCommandLine({u"--activity=choose"_s,
                                                                     u"--questions"_s,
                                                                     u"60"_s,
                                                                     u"--seed"_s,
                                                                     u"0999"_s,
                                                                     u"--answers"_s,
                                                                     u"--mark"_s,
                                                                     u"underline"_s,
                                                                     u"--school"_s,
                                                                     u" مدرسة  النور "_s,
                                                                     u"--class"_s,
                                                                     u"6 ب"_s,
                                                                     u"--name-line"_s,
                                                                     u"--pupils=30"_s,
                                                                     u"--key-output"_s,
                                                                     u"k.pdf"_s,
                                                                     u"--digits"_s,
                                                                     u"arabic"_s,
                                                                     u"--separator=comma"_s,
                                                                     u"--output"_s,
                                                                     u"-"_s});
        QCOMPARE(parsed.error, QString());
        QCOMPARE(parsed.action, sheets::CommandLine::Action::WriteSheets);
        sheets::SheetOptions expected;
        expected.activity = sheets::Activity::Choose;
        expected.questions = 60;
        expected.sheetNumber = 999;
        expected.answerKey = true;
        expected.mark = sheets::DigitMark::Underline;
        expected.school = u"مدرسة النور"_s;
        expected.className = u"6 ب"_s;
        expected.nameAndDateLine = true;
        expected.pupils = 30;
        expected.writing =
            core::NumberWriting(core::DigitSet::ArabicIndic, core::SeparatorKind::Comma);
        QVERIFY(parsed.options == expected);
        QCOMPARE(parsed.output, u"-"_s);
        QCOMPARE(parsed.keyOutput, u"k.pdf"_s);
    }

    // Each of the digits and the separator is the regional settings' one unless named.
    void writingIsTheRegionalSettingsButForWhatIsNamed_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("named");
        QTest::addColumn<QString>("sevenHundredths");
        QTest::newRow("C") << u"C"_s << QStringList() << u"0.07"_s;
        QTest::newRow("ar_EG") << u"ar_EG"_s << QStringList() << u"٠٫٠٧"_s;
        QTest::newRow("ar_MA") << u"ar_MA"_s << QStringList() << u"0,07"_s;
        QTest::newRow("ar_EG, western digits")
            << u"ar_EG"_s << QStringList{u"--digits=western"_s} << u"0٫07"_s;
        QTest::newRow("ar_MA, Arabic-Indic digits")
            << u"ar_MA"_s << QStringList{u"--digits=arabic"_s} << u"٠,٠٧"_s;
        QTest::newRow("ar_EG, point")
            << u"ar_EG"_s << QStringList{u"--separator=point"_s} << u"٠.٠٧"_s;
        QTest::newRow("C, both named")
            << u"C"_s << QStringList{u"--separator=arabic"_s, u"--digits=arabic"_s} << u"٠٫٠٧"_s;
        QTest::newRow("fr_FR, comma named too")
            << u"fr_FR"_s << QStringList{u"--separator=comma"_s, u"--digits=western"_s}
            << u"0,07"_s;
    }
    void writingIsTheRegionalSettingsButForWhatIsNamed()
    {
        QFETCH(QString, locale);
        QFETCH(QStringList, named);
        QFETCH(QString, sevenHundredths);
        QLocale::setDefault(QLocale(locale));
        const sheets::CommandLine parsed =
            sheets::parseCommandLine(QStringList{u"--activity=write"_s, u"--questions=10"_s,
                                                 u"--seed=1"_s, u"--output=a.pdf"_s} +
                                     named);
        QLocale::setDefault(QLocale::c());
        QCOMPARE(parsed.error, QString());
        QCOMPARE(core::FormatNumber(0.07F, parsed.options.writing), sevenHundredths);
    }

    // The command line never needs a display, whatever platform the environment names.
    void opensNoWindow()
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
        environment.remove(u"DISPLAY"_s);
        environment.remove(u"WAYLAND_DISPLAY"_s);
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(PLACEVALUE_SHEETS_PROGRAM), commandLine(output(), {}));
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 0);
        QVERIFY(QFile::remove(output()));
    }

    // Without arguments and without a display, the window cannot open: one line, status 2.
    void noDisplayForTheWindow()
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const QString& name : {u"QT_QPA_PLATFORM"_s, u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s}) {
            environment.remove(name);
        }
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(PLACEVALUE_SHEETS_PROGRAM), QStringList());
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), sheets::kExitUsage);
        const QString error = QString::fromUtf8(process.readAllStandardError());
        QVERIFY2(error.startsWith(u"placevalue-sheets: no display"_s) && error.count(u'\n') == 1,
                 qPrintable(error));
    }
};

QTEST_GUILESS_MAIN(TestSheetCommandLine)
#include "test_sheet_command_line.moc"
