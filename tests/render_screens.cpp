// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Renders every screen and its states to PNG files on the offscreen platform, from scripted
// questions so that the pictures are the same on every run. Fails if a screen of the program
// has no picture. Numbers are written as under the locale named (C by default; "system": the
// machine's regional settings), and the typed answers typed in its writing.
//   render_screens [--locale NAME|system] OUTPUT_FOLDER

#include "app/form1.h"
#include "app/form4.h"
#include "app/screen_directory.h"
#include "core/number_text.h"
#include "exercises/form2.h"
#include "exercises/form3.h"
#include "practice/form5.h"
#include "support/question_script.h"
#include "support/reading_script.h"
#include "support/test_program.h"
#include "support/touch.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QSet>
#include <QTest>
#include <QTextStream>

namespace {

class Gallery {
public:
    explicit Gallery(const QDir& folder)
        : folder_(folder)
    {}
    void save(QWidget& screen, const QString& name)
    {
        const QString path = folder_.filePath(name + QStringLiteral(".png"));
        const bool saved = screen.grab().save(path);
        QTextStream(stdout) << (saved ? "wrote " : "could not write ") << path << '\n';
        ok_ = ok_ && saved;
        pictured_.insert(screen.objectName());
    }
    bool ok() const { return ok_; }

    // Whether every screen of the program has at least one picture; names those without.
    bool coversEveryScreen() const
    {
        bool covered = true;
        for (const ScreenKind& kind : programScreens()) {
            if (!pictured_.contains(QLatin1String(kind.type->className()))) {
                QTextStream(stderr)
                    << "render_screens: no picture of " << kind.type->className() << '\n';
                covered = false;
            }
        }
        return covered;
    }

private:
    QDir folder_;
    bool ok_ = true;
    QSet<QString> pictured_;
};

void renderExercises(ScreenDirectory& screens, ScriptedRandom& random, Gallery& gallery)
{
    Form4& menu = screens.get<Form4>();
    scriptQuestion(random, 2, 3, 7, 305, 1); // 305.732, the 3 red
    Form2& write = screens.get<Form2>();
    SwitchScreen(menu, write);
    gallery.save(write, QStringLiteral("write-asking"));
    write.Text1->setText(core::FormatNumber(0.03F));
    QTest::mouseClick(write.Command1, Qt::LeftButton);
    gallery.save(write, QStringLiteral("write-right"));
    write.Text1->setText(core::FormatNumber(3));
    QTest::mouseClick(write.Command1, Qt::LeftButton);
    gallery.save(write, QStringLiteral("write-wrong"));
    scriptQuestion(random, 7, 0, 0, 999, 0); // the longest wrong answer: 0.007
    write.Timer1->fireNow();
    write.Text1->setText(core::FormatNumber(0.7F));
    QTest::mouseClick(write.Command1, Qt::LeftButton);
    gallery.save(write, QStringLiteral("write-wrong-longest"));
    SwitchScreen(write, menu);

    scriptQuestion(random, 4, 8, 1, 62, 0); // 62.184, the 4 red
    Form3& choose = screens.get<Form3>();
    SwitchScreen(menu, choose);
    gallery.save(choose, QStringLiteral("choose-asking"));
    QTest::mouseMove(&choose, QPoint(400, 20)); // over the background: all candidates blue
    QTest::mouseMove(choose.Label8);
    gallery.save(choose, QStringLiteral("choose-hover"));
    QTest::mouseClick(choose.Label6, Qt::LeftButton);
    gallery.save(choose, QStringLiteral("choose-right"));
    QTest::mouseClick(choose.Label7, Qt::LeftButton);
    gallery.save(choose, QStringLiteral("choose-wrong"));
    SwitchScreen(choose, menu);
}

void renderReading(ScreenDirectory& screens, ScriptedRandom& random, Gallery& gallery)
{
    Form4& menu = screens.get<Form4>();
    scriptReading(random, 4, 0, 5, 0, 7); // opening, kind 4: 7 و 5
    Form5& reading = screens.get<Form5>();
    SwitchScreen(menu, reading);
    gallery.save(reading, QStringLiteral("reading-opening"));
    scriptReading(random, 0, 0, 0, 0, 0); // Enter, kind 0: 0 و 0
    QTest::keyClick(reading.windowHandle(), Qt::Key_Return);
    gallery.save(reading, QStringLiteral("reading-shortest"));
    scriptReading(random, 8, 0, 0, 998, 0); // Enter, kind 8: 998 و 998
    random.script({ScriptedRandom::forValue(998, 999)});
    QTest::keyClick(reading.windowHandle(), Qt::Key_Return);
    gallery.save(reading, QStringLiteral("reading-longest"));
}

// Worked by touch: the keypads over the screens' black.
void renderTouch(ScreenDirectory& screens, ScriptedRandom& random, Gallery& gallery)
{
    Form4& menu = screens.get<Form4>();
    Form2& write = screens.get<Form2>();
    scriptQuestion(random, 2, 3, 7, 305, 1); // 305.732, the 3 red
    write.Timer1->fireNow();
    SwitchScreen(menu, write);
    tap(&write, QPoint(400, 580));        // on the black: touch mode comes on
    for (const int key : {9, 10, 9, 2}) { // 0, the separator, 0, 3
        tap(write.keypad->keys().at(key));
    }
    gallery.save(write, QStringLiteral("write-touch"));
    tap(write.keypad->keys().back()); // what Command1 does
    gallery.save(write, QStringLiteral("write-touch-right"));
    SwitchScreen(write, menu);

    Form5& reading = screens.get<Form5>();
    SwitchScreen(menu, reading);
    gallery.save(reading, QStringLiteral("reading-touch"));
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QStringList arguments = QApplication::arguments().mid(1);
    QLocale locale = QLocale::c();
    if (arguments.size() == 3 && arguments.front() == QLatin1String("--locale")) {
        locale = arguments.at(1) == QLatin1String("system") ? QLocale::system()
                                                            : QLocale(arguments.at(1));
        arguments = arguments.mid(2);
    }
    if (arguments.size() != 1) {
        QTextStream(stderr) << "usage: render_screens [--locale NAME|system] OUTPUT_FOLDER\n";
        return 2;
    }
    const QDir folder(arguments.front());
    if (!folder.mkpath(QStringLiteral("."))) {
        QTextStream(stderr) << "render_screens: cannot make " << folder.path() << '\n';
        return 1;
    }
    TestProgram program; // the end recorded, not taken; the generator scripted
    QLocale::setDefault(locale);
    ScreenDirectory& screens = program.screens;
    Gallery gallery(folder);

    screens.start();
    gallery.save(screens.get<Form1>(), QStringLiteral("splash"));
    screens.get<Form1>().Timer1->fireNow();
    gallery.save(screens.get<Form4>(), QStringLiteral("menu"));
    renderExercises(screens, program.random, gallery);
    renderReading(screens, program.random, gallery);
    renderTouch(screens, program.random, gallery);
    // The menu from the keyboard: two presses of Tab, and the write exercise's entry has the focus.
    Form4& menu = screens.get<Form4>();
    SwitchScreen(screens.get<Form5>(), menu);
    static_cast<void>(QTest::qWaitForWindowActive(&menu));
    QTest::keyClick(menu.windowHandle(), Qt::Key_Tab);
    QTest::keyClick(menu.windowHandle(), Qt::Key_Tab);
    gallery.save(menu, QStringLiteral("menu-keyboard"));
    return gallery.ok() && gallery.coversEveryScreen() ? 0 : 1;
}
