#include "practice/form5.h"

#include "toolkit/program.h"

Form5::Form5()
    : tk::ActivityScreen({.name = QStringLiteral("Form5"),
                          .clientWidth = 11880,
                          .clientHeight = 8595,
                          .background = tk::rgb(0, 0, 0),
                          .placement = tk::Placement::CentredOnScreen},
                         {.returnName = QStringLiteral("Label4"),
                          .returnBox = {2160, 7680, 1290, 300},
                          .exitName = QStringLiteral("Label3"),
                          .exitBox = {1080, 7680, 525, 300},
                          .exitFont = {tk::Face::MsSansSerif, 12, true},
                          .exitColour = tk::rgb(255, 192, 128),
                          .exitAutoSize = true}) {}

void Form5::load() {
    setKeyPreview(true);
}

void Form5::keyPress(int characterCode) {
    if (isEscape(characterCode)) {
        tk::EndProgram();
    }
}
