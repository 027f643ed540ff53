// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick for start-up and memory: a bare Qt Widgets program with one frameless window of
// the splash screen's size and background and twelve Arabic labels in the splash screen's
// face and sizes. Nothing else: no toolkit, no timers, no event filters.

#include <QApplication>
#include <QLabel>
#include <QPalette>
#include <QScreen>
#include <QWidget>

#include <array>

namespace {

struct Line {
    const char16_t* caption;
    int left; // pixels
    int top;
    bool large;
};

constexpr std::array<Line, 12> kLines{{
    {u"إعداد فريق برنامج البلمزية", 44, 16, true},
    {u"البلمزية", 124, 80, true},
    {u"للصف السادس الابتدائي", 67, 128, true},
    {u"الفصل الدراسي الأول", 80, 184, true},
    {u"جميع الحقوق محفوظة 2026", 13, 280, true},
    {u"فريق تطوير البرامج التعليمية", 105, 328, false},
    {u"برنامج تعليمي مفتوح للمدارس", 11, 352, false},
    {u"الإصدار 1.00", 137, 376, false},
    {u"للمراسلة بالبريد الالكتروني : ", 232, 400, false},
    {u"team@placevalue.invalid", 56, 400, false},
    {u"الموقع الالكتروني : ", 232, 424, false},
    {u"placevalue.invalid", 64, 424, false},
}};

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
    window.setFixedSize(418, 458);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, QColor(64, 0, 0));
    palette.setColor(QPalette::WindowText, QColor(255, 192, 128));
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    for (const Line& line : kLines) {
        auto* label = new QLabel(QString::fromUtf16(line.caption), &window);
        QFont font(QStringLiteral("Amiri"));
        font.setPointSizeF(line.large ? 27.75 : 11.25);
        font.setBold(true);
        label->setFont(font);
        label->move(line.left, line.top);
        label->adjustSize();
    }
    QRect frame = window.rect();
    frame.moveCenter(QGuiApplication::primaryScreen()->availableGeometry().center());
    window.move(frame.topLeft());
    window.show();
    return QApplication::exec();
}
