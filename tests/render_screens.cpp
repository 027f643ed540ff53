// Renders every screen and its states to PNG files on the offscreen platform, from scripted
// questions so that the pictures are the same on every run.
//   render_screens OUTPUT_FOLDER

#include "app/form1.h"
#include "app/form4.h"
#include "app/screen_directory.h"
#include "exercises/form2.h"
#include "exercises/form3.h"
#include "practice/form5.h"
#include "support/program_end_recorder.h"
#include "support/scripted_random.h"

#include <QApplication>
#include <QDir>
#include <QTextStream>

namespace {

bool save(QWidget& screen, const QDir& folder, const QString& name) {
    const QString path = folder.filePath(name + QStringLiteral(".png"));
    const bool saved = screen.grab().save(path);
    QTextStream(stdout) << (saved ? "wrote " : "could not write ") << path << '\n';
    return saved;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (QApplication::arguments().size() != 2) {
        QTextStream(stderr) << "usage: render_screens OUTPUT_FOLDER\n";
        return 2;
    }
    QDir folder(QApplication::arguments().at(1));
    if (!folder.mkpath(QStringLiteral("."))) {
        QTextStream(stderr) << "render_screens: cannot make " << folder.path() << '\n';
        return 1;
    }
    ProgramEndRecorder noExit;
    ScriptedRandom random;
    SharedRandomOverride useScript(random);
    ScreenDirectory screens;
    bool ok = true;

    screens.start();
    ok &= save(screens.form1(), folder, QStringLiteral("splash"));
    screens.form1().Timer1->fireNow();
    ok &= save(screens.form4(), folder, QStringLiteral("menu"));

    Form2& write = screens.form2();
    SwitchScreen(screens.form4(), write);
    ok &= save(write, folder, QStringLiteral("write-asking"));

    Form3& choose = screens.form3();
    SwitchScreen(write, choose);
    ok &= save(choose, folder, QStringLiteral("choose-asking"));

    Form5& reading = screens.form5();
    SwitchScreen(choose, reading);
    ok &= save(reading, folder, QStringLiteral("reading"));
    return ok ? 0 : 1;
}
