#include "exercises/form2.h"

#include "toolkit/program.h"

Form2::Form2()
    : tk::ActivityScreen({.name = QStringLiteral("Form2"),
                          .clientWidth = 12000,
                          .clientHeight = 9000,
                          .background = tk::rgb(0, 0, 0),
                          .placement = tk::Placement::CentredOnScreen},
                         {.returnName = QStringLiteral("Label6"),
                          .returnBox = {2400, 8280, 1290, 300},
                          .exitName = QStringLiteral("Label10"),
                          .exitBox = {960, 8160, 735, 495},
                          .exitFont = {tk::Face::MsSansSerif, 18, false},
                          .exitColour = tk::rgb(192, 255, 192)}) {}

void Form2::load() {
    setKeyPreview(true);
}

void Form2::keyPress(int characterCode) {
    if (isEscape(characterCode)) {
        tk::EndProgram();
    }
}
