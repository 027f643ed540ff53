#pragma once

// The program's five screens, each made at its first use and kept until the end of the run,
// and the moves between them.

#include <QObject>

#include <memory>

namespace tk {
class Screen;
}
class Form1;
class Form2;
class Form3;
class Form4;
class Form5;

// Shows the target (loading it on its first show), then hides the caller, which keeps its
// whole state: exactly one screen stays visible.
void SwitchScreen(tk::Screen& caller, tk::Screen& target);

class ScreenDirectory : public QObject {
    Q_OBJECT
public:
    ScreenDirectory();
    ~ScreenDirectory() override;
    ScreenDirectory(const ScreenDirectory&) = delete;
    ScreenDirectory& operator=(const ScreenDirectory&) = delete;

    // Makes the splash screen and shows it: the start of a run.
    void start();

    Form1& form1();
    Form2& form2();
    Form3& form3();
    Form4& form4();
    Form5& form5();

    // The screens made so far, for tests; nullptr where a screen has not been used yet.
    Form1* madeForm1() const { return form1_.get(); }
    Form2* madeForm2() const { return form2_.get(); }
    Form3* madeForm3() const { return form3_.get(); }
    Form4* madeForm4() const { return form4_.get(); }
    Form5* madeForm5() const { return form5_.get(); }

private:
    template <typename Activity> void wireReturn(Activity& activity);

    std::unique_ptr<Form1> form1_;
    std::unique_ptr<Form4> form4_;
    std::unique_ptr<Form2> form2_;
    std::unique_ptr<Form3> form3_;
    std::unique_ptr<Form5> form5_;
};
