// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/activity_screen.h"

#include "toolkit/program.h"

namespace tk {

ActivityScreen::ActivityScreen(const ScreenDesign& screen, const NavigationDesign& navigation)
    : Screen(screen)
    , returnLabel_(new Label(this, {.name = navigation.returnName,
                                    .caption = QStringLiteral(u"العودة للواجهة"),
                                    .box = navigation.returnBox,
                                    .font = {Face::MsSansSerif, 12, true},
                                    .colour = core::rgb(255, 192, 128),
                                    .alignment = Alignment::Right,
                                    .autoSize = true}))
    , exitLabel_(new Label(this, {.name = navigation.exitName,
                                  .caption = QStringLiteral(u"خروج"),
                                  .box = navigation.exitBox,
                                  .font = navigation.exitFont,
                                  .colour = navigation.exitColour,
                                  .alignment = Alignment::Right,
                                  .autoSize = navigation.exitAutoSize}))
{
    connect(returnLabel_, &Label::clicked, this, &ActivityScreen::menuRequested);
    connect(exitLabel_, &Label::clicked, this, [] { EndProgram(); });
}

} // namespace tk
