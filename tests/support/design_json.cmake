# SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The tests' design table as JSON in the build folder (design.json, its path in
# PLACEVALUE_DESIGN_JSON), for the checks written in other languages: the screen-reader check,
# the Wine checks and the browser checks read their windows, controls and click points there.
# print_design runs on the build machine: a cross build (Windows, the browser) compiles it with
# the build machine's own C++ compiler, so every build folder writes its own JSON from the table.
set(PLACEVALUE_DESIGN_JSON ${PROJECT_BINARY_DIR}/design.json)
set(print_design_sources ${CMAKE_CURRENT_LIST_DIR}/print_design.cpp
    ${CMAKE_CURRENT_LIST_DIR}/design_table.h ${CMAKE_CURRENT_LIST_DIR}/design_lookup.h)
if(CMAKE_CROSSCOMPILING)
    find_program(PLACEVALUE_HOST_CXX NAMES g++ c++ REQUIRED)
    set(print_design ${PROJECT_BINARY_DIR}/print_design_host)
    add_custom_command(OUTPUT ${print_design}
        COMMAND ${PLACEVALUE_HOST_CXX} -std=c++20 -I${PROJECT_SOURCE_DIR}/tests
                ${CMAKE_CURRENT_LIST_DIR}/print_design.cpp -o ${print_design}
        DEPENDS ${print_design_sources} VERBATIM)
else()
    add_executable(print_design ${print_design_sources})
    target_include_directories(print_design PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    set(print_design print_design)
endif()
add_custom_command(OUTPUT ${PLACEVALUE_DESIGN_JSON}
    COMMAND ${print_design} ${PLACEVALUE_DESIGN_JSON}
    DEPENDS ${print_design} VERBATIM)
add_custom_target(design_json ALL DEPENDS ${PLACEVALUE_DESIGN_JSON})
