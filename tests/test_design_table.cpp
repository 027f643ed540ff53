// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Every control of the five screens carries its designed values when the screen is made: the
// labels' captions, faces, sizes, colours, alignment, reading order and visibility, the window
// backgrounds, the shapes, the answer box and button, and the timers. (Places: test_layout.)

#include "app/screen_directory.h"
#include "core/place_value_question.h"
#include "support/test_program.h"
#include "support/widget_lookup.h"
#include "toolkit/colours.h"
#include "toolkit/controls.h"
#include "toolkit/label.h"
#include "toolkit/timer.h"

#include <QTest>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

using tk::Alignment;
constexpr auto kArabic = tk::Face::ArabicTransparent;
constexpr auto kSans = tk::Face::MsSansSerif;
constexpr auto kArial = tk::Face::Arial;
constexpr core::ColourValue kPeach = core::rgb(255, 224, 192);
constexpr core::ColourValue kLightOrange = core::rgb(255, 192, 128);
constexpr core::ColourValue kPink = core::rgb(255, 192, 192);
constexpr core::ColourValue kBlue = core::rgb(0, 0, 255);
constexpr core::ColourValue kDarkOrange = core::rgb(192, 64, 0);
constexpr core::ColourValue kFeedback = core::rgb(128, 128, 255);
constexpr core::ColourValue kExitGreen = core::rgb(192, 255, 192);

struct LabelRow {
    const char* screen = nullptr;
    const char* name = nullptr;
    const char16_t* caption = nullptr;
    tk::Face face = kArabic;
    float points = 0;
    bool bold = false;
    core::ColourValue colour = 0;
    Alignment alignment = Alignment::Left;
    bool autoSize = true;
    bool rightToLeft = true;
    bool visible = true;
};

#define NUMBER_LABELS(form)                                                                        \
    {form, "Label4", u"8888", kArabic, 72, true, kDigitColour, Alignment::Right},                  \
        {form, "Label3", u"5", kArabic, 72, true, kDigitColour, Alignment::Left},                  \
        {form, "Label2", u"5", kArabic, 72, true, kDigitColour, Alignment::Left},                  \
        {form, "Label1", u"5", kArabic, 72, true, kDigitColour, Alignment::Left},                  \
    {                                                                                              \
        form, "Label9", u"8888", kArabic, 39.75, true, kFeedback, Alignment::Centre, true, true,   \
            false                                                                                  \
    }

constexpr LabelRow kLabels[] = {
    {"Form1", "Label1", u"إعداد فريق برنامج البلمزية", kArabic, 27.75, true, core::rgb(0, 255, 0),
     Alignment::Centre},
    {"Form1", "Label2", u"البلمزية", kArabic, 27.75, true, core::rgb(255, 128, 255),
     Alignment::Centre},
    {"Form1", "Label3", u"للصف السادس الابتدائي", kArabic, 27.75, true, core::rgb(255, 128, 255),
     Alignment::Centre},
    {"Form1", "Label4", u"الفصل الدراسي الأول", kArabic, 27.75, true, core::rgb(192, 255, 255),
     Alignment::Centre},
    {"Form1", "Label5", u"جميع الحقوق محفوظة 2026", kArabic, 27.75, true, kPink, Alignment::Centre},
    {"Form1", "Label7", u"فريق تطوير البرامج التعليمية", kArabic, 11.25, true, kLightOrange,
     Alignment::Left, true, false},
    {"Form1", "Label8", u"برنامج تعليمي مفتوح للمدارس", kArabic, 11.25, true, kLightOrange,
     Alignment::Left, true, false},
    {"Form1", "Label6", u"الإصدار 1.00", kArabic, 11.25, true, kLightOrange, Alignment::Right},
    {"Form1", "Label9", u"للمراسلة بالبريد الالكتروني : ", kArabic, 11.25, true, kLightOrange,
     Alignment::Right},
    {"Form1", "Label10", u"team@placevalue.invalid", kArabic, 11.25, true, kLightOrange,
     Alignment::Right},
    {"Form1", "Label11", u"الموقع الالكتروني : ", kArabic, 11.25, true, kLightOrange,
     Alignment::Right},
    {"Form1", "Label12", u"placevalue.invalid", kArabic, 11.25, true, kLightOrange,
     Alignment::Right},
    {"Form4", "Label1", u"خروج", kSans, 18, false, kPink, Alignment::Left, true, false},
    {"Form4", "Label2", u"اكتب البلمزية", kSans, 24, false, core::rgb(255, 0, 0),
     Alignment::Centre},
    {"Form4", "Label3", u"اختر البلمزية", kSans, 24, false, core::rgb(255, 0, 0),
     Alignment::Centre},
    {"Form4", "Label4", u"ارقام في الصورة العشرية", kSans, 24, false, core::rgb(128, 128, 0),
     Alignment::Centre},
    {"Form2", "Label5", u"اكتب البلمزية للرقم الملون باللون الاحمر", kArabic, 33.75, false, kPink,
     Alignment::Right},
    NUMBER_LABELS("Form2"),
    {"Form2", "Label6", u"العودة للواجهة", kSans, 12, true, kLightOrange, Alignment::Right},
    {"Form2", "Label10", u"خروج", kSans, 18, false, kExitGreen, Alignment::Right, false},
    {"Form3", "Label5", u"البلمزية للرقم الملون باللون الاحمر في العدد هي ", kArabic, 33.75, false,
     kPink, Alignment::Right},
    NUMBER_LABELS("Form3"),
    {"Form3", "Label6", u"5", kArabic, 65.25, true, kBlue, Alignment::Centre},
    {"Form3", "Label7", u"5", kArabic, 65.25, true, kDarkOrange, Alignment::Centre},
    {"Form3", "Label8", u"5", kArabic, 65.25, true, kBlue, Alignment::Centre},
    {"Form3", "Label11", u"العودة للواجهة", kSans, 12, true, kLightOrange, Alignment::Right},
    {"Form3", "Label10", u"خروج", kSans, 18, false, kExitGreen, Alignment::Right, false},
    {"Form5", "Label1", u"Label1", kArabic, 150, true, core::rgb(255, 255, 255), Alignment::Centre},
    {"Form5", "Label2", u"اضغط Enter لتغيير السؤال و اضغط Esc للانهاء", kArial, 12, true,
     core::rgb(255, 0, 0), Alignment::Centre},
    {"Form5", "Label3", u"خروج", kSans, 12, true, kLightOrange, Alignment::Right},
    {"Form5", "Label4", u"العودة للواجهة", kSans, 12, true, kLightOrange, Alignment::Right},
};

struct ShapeRow {
    const char* screen = nullptr;
    const char* name = nullptr;
    tk::ShapeKind kind = tk::ShapeKind::Oval;
    core::ColourValue fill = kLightOrange;
    bool outlined = true;
    core::ColourValue outline = kPeach;
    int outlineWidth = 4;
};

constexpr ShapeRow kShapes[] = {
    {"Form1", "Shape1", tk::ShapeKind::Rectangle, core::rgb(0, 0, 0), false, 0, 1},
    {"Form4", "Shape1", tk::ShapeKind::Oval, kPeach, true, core::rgb(255, 128, 0)},
    {"Form4", "Shape2", tk::ShapeKind::Oval, kPeach, true, core::rgb(255, 128, 0)},
    {"Form4", "Shape3", tk::ShapeKind::Oval, kPeach, true, core::rgb(255, 128, 0)},
    {"Form2", "Shape2"},
    {"Form3", "Shape1"},
    {"Form3", "Shape2"},
    {"Form3", "Shape3"},
};

struct WindowRow {
    const char* screen = nullptr;
    core::ColourValue background = 0;
    int timerInterval = 0; // 0: the screen has no timer
    bool timerEnabled = false;
};

constexpr WindowRow kWindows[] = {
    {"Form1", core::rgb(64, 0, 0), 3000, true},
    {"Form4", core::rgb(0, 0, 0)},
    {"Form2", core::rgb(0, 0, 0), 3000, false},
    {"Form3", core::rgb(0, 0, 0), 3000, false},
    {"Form5", core::rgb(0, 0, 0)},
};

enum class Kind { Window, Label, Shape, AnswerBox, Button };

} // namespace

Q_DECLARE_METATYPE(Kind)

class TestDesignTable : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestProgram> program_;

private Q_SLOTS:
    void initTestCase()
    {
        program_ = std::make_unique<TestProgram>();
        program_->allScreens(); // made, not yet shown: the designed captions still stand
    }
    void cleanupTestCase() { program_.reset(); }

    void everyControlCarriesItsDesign_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(std::size(kWindows)); ++i) {
            QTest::addRow("%s window", kWindows[i].screen) << Kind::Window << i;
        }
        for (int i = 0; i < int(std::size(kLabels)); ++i) {
            QTest::addRow("%s %s", kLabels[i].screen, kLabels[i].name) << Kind::Label << i;
        }
        for (int i = 0; i < int(std::size(kShapes)); ++i) {
            QTest::addRow("%s %s", kShapes[i].screen, kShapes[i].name) << Kind::Shape << i;
        }
        QTest::newRow("Form2 Text1") << Kind::AnswerBox << 0;
        QTest::newRow("Form2 Command1") << Kind::Button << 0;
    }
    void everyControlCarriesItsDesign()
    {
        QFETCH(Kind, kind);
        QFETCH(int, row);
        switch (kind) {
        case Kind::Window: {
            const WindowRow& w = kWindows[row];
            const tk::Screen* screen = program_->screenNamed(QLatin1String(w.screen));
            QVERIFY(screen->autoFillBackground());
            QCOMPARE(screen->palette().color(QPalette::Window), tk::toQColor(w.background));
            const auto timers = screen->findChildren<tk::Timer*>();
            QCOMPARE(timers.size(), w.timerInterval > 0 ? 1 : 0);
            if (w.timerInterval > 0) {
                QCOMPARE(timers.front()->objectName(), u"Timer1"_s);
                QCOMPARE(timers.front()->interval(), w.timerInterval);
                QCOMPARE(timers.front()->isEnabled(), w.timerEnabled);
            }
            const auto listed =
                std::count_if(std::begin(kLabels), std::end(kLabels),
                              [&](const LabelRow& l) { return qstrcmp(l.screen, w.screen) == 0; });
            QCOMPARE(screen->findChildren<tk::Label*>().size(), listed); // every label is listed
            break;
        }
        case Kind::Label: {
            const LabelRow& l = kLabels[row];
            const auto* label = control<tk::Label>(program_->screenNamed(QLatin1String(l.screen)),
                                                   QLatin1String(l.name));
            QVERIFY(label != nullptr);
            QCOMPARE(label->caption(), QString::fromUtf16(l.caption));
            QCOMPARE(label->font().families(), tk::substituteFaces(l.face));
            QCOMPARE(label->font().pointSizeF(), double(l.points));
            QCOMPARE(label->font().bold(), l.bold);
            QCOMPARE(label->textColour(), l.colour);
            QCOMPARE(label->alignment(), l.alignment);
            QCOMPARE(label->isAutoSize(), l.autoSize);
            QCOMPARE(label->isRightToLeft(), l.rightToLeft);
            QCOMPARE(!label->isHidden(), l.visible);
            QVERIFY(!label->autoFillBackground()); // transparent: the window shows through
            break;
        }
        case Kind::Shape: {
            const ShapeRow& s = kShapes[row];
            const auto* shape = control<tk::Shape>(program_->screenNamed(QLatin1String(s.screen)),
                                                   QLatin1String(s.name));
            QVERIFY(shape != nullptr);
            QCOMPARE(shape->design().kind, s.kind);
            QCOMPARE(shape->design().fill, s.fill);
            QCOMPARE(shape->design().outlined, s.outlined);
            if (s.outlined) {
                QCOMPARE(shape->design().outline, s.outline);
                QCOMPARE(shape->design().outlineWidth, s.outlineWidth);
            }
            QVERIFY(shape->testAttribute(Qt::WA_TransparentForMouseEvents));
            break;
        }
        case Kind::AnswerBox: {
            const auto* box = control<tk::TextBox>(program_->screenNamed(u"Form2"_s), u"Text1"_s);
            QVERIFY(box != nullptr);
            QVERIFY(box->text().isEmpty());
            QCOMPARE(box->palette().color(QPalette::Text), tk::toQColor(kDarkOrange));
            QCOMPARE(box->palette().color(QPalette::Base), tk::toQColor(core::kSystemWindowColour));
            QCOMPARE(box->font().families(), tk::substituteFaces(kArabic));
            QCOMPARE(box->font().pointSizeF(), 36.0);
            QVERIFY(!box->font().bold());
            QCOMPARE(box->alignment(), Qt::AlignCenter);
            QCOMPARE(box->layoutDirection(), Qt::RightToLeft);
            break;
        }
        case Kind::Button: {
            const auto* button =
                control<tk::Button>(program_->screenNamed(u"Form2"_s), u"Command1"_s);
            QVERIFY(button != nullptr);
            QCOMPARE(button->text(), u"ادخل الناتج"_s);
            QCOMPARE(button->palette().color(QPalette::Button), tk::toQColor(core::rgb(255, 0, 0)));
            QCOMPARE(button->font().families(), tk::substituteFaces(kArabic));
            QCOMPARE(button->font().pointSizeF(), 14.25);
            QVERIFY(button->font().bold());
            QCOMPARE(button->layoutDirection(), Qt::RightToLeft);
            QVERIFY(!button->isDefault() && !button->autoDefault());
            break;
        }
        }
    }
};

QTEST_MAIN(TestDesignTable)
#include "test_design_table.moc"
