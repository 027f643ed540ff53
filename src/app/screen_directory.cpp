#include "app/screen_directory.h"

#include "app/form1.h"
#include "app/form4.h"
#include "exercises/form2.h"
#include "exercises/form3.h"
#include "practice/form5.h"

void SwitchScreen(tk::Screen& caller, tk::Screen& target)
{
    target.show();
    if (&caller != &target) {
        caller.hide();
    }
}

ScreenDirectory::ScreenDirectory() = default;
ScreenDirectory::~ScreenDirectory() = default;

void ScreenDirectory::start()
{
    form1().show();
}

Form1& ScreenDirectory::form1()
{
    if (!form1_) {
        form1_ = std::make_unique<Form1>();
        connect(form1_.get(), &Form1::menuRequested, this,
                [this] { SwitchScreen(*form1_, form4()); });
    }
    return *form1_;
}

Form4& ScreenDirectory::form4()
{
    if (!form4_) {
        form4_ = std::make_unique<Form4>();
        connect(form4_.get(), &Form4::writeExerciseRequested, this,
                [this] { SwitchScreen(*form4_, form2()); });
        connect(form4_.get(), &Form4::chooseExerciseRequested, this,
                [this] { SwitchScreen(*form4_, form3()); });
        connect(form4_.get(), &Form4::readingPracticeRequested, this,
                [this] { SwitchScreen(*form4_, form5()); });
    }
    return *form4_;
}

template <typename Activity> void ScreenDirectory::wireReturn(Activity& activity)
{
    connect(&activity, &tk::ActivityScreen::menuRequested, this,
            [this, &activity] { SwitchScreen(activity, form4()); });
}

Form2& ScreenDirectory::form2()
{
    if (!form2_) {
        form2_ = std::make_unique<Form2>();
        wireReturn(*form2_);
    }
    return *form2_;
}

Form3& ScreenDirectory::form3()
{
    if (!form3_) {
        form3_ = std::make_unique<Form3>();
        wireReturn(*form3_);
    }
    return *form3_;
}

Form5& ScreenDirectory::form5()
{
    if (!form5_) {
        form5_ = std::make_unique<Form5>();
        wireReturn(*form5_);
    }
    return *form5_;
}
