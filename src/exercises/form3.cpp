#include "exercises/form3.h"

Form3::Form3()
    : tk::ActivityScreen({.name = QStringLiteral("Form3"),
                          .clientWidth = 12000,
                          .clientHeight = 9000,
                          .background = tk::rgb(0, 0, 0),
                          .placement = tk::Placement::CentredOnScreen},
                         {.returnName = QStringLiteral("Label11"),
                          .returnBox = {2760, 8280, 1290, 300},
                          .exitName = QStringLiteral("Label10"),
                          .exitBox = {960, 8160, 735, 495},
                          .exitFont = {tk::Face::MsSansSerif, 18, false},
                          .exitColour = tk::rgb(192, 255, 192)}) {}
