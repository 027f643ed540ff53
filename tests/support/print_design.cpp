// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Prints the design table as JSON, for the checks written in other languages: which screen is the
// splash screen and which the menu; every window with its spoken name, its size in pixels and
// whether Esc ends the run there; every control with its kind, caption, click, visibility, its
// box in pixels ({"left", "top", "width", "height"}, twips / 15 to the nearest pixel) and the
// centre of that box ({"x", "y"}, where a click on it lands), in the window's own pixels.
//   print_design [FILE]   (standard output without FILE)

#include "support/design_lookup.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace {

// A designed text as a JSON string: UTF-8, with quotes and backslashes escaped.
std::string json(const char16_t* text)
{
    std::string out = "\"";
    for (const char16_t* c = text; c != nullptr && *c != 0; ++c) {
        char32_t code = *c;
        if (code >= 0xD800 && code < 0xDC00 && c[1] >= 0xDC00 && c[1] < 0xE000) {
            code = 0x10000 + ((code - 0xD800) << 10) + (c[1] - 0xDC00);
            ++c;
        }
        if (code == u'"' || code == u'\\') {
            out += '\\';
            out += static_cast<char>(code);
        } else if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (code >> 18));
            out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return out + "\"";
}

std::string json(const char* text)
{
    return text == nullptr ? "null" : "\"" + std::string(text) + "\"";
}

int pixels(int twips)
{
    return static_cast<int>(std::lround(twips / 15.0));
}

std::string json(bool value)
{
    return value ? "true" : "false";
}

std::string json(const design::Box& box)
{
    return "{\"left\": " + std::to_string(pixels(box.left)) +
           ", \"top\": " + std::to_string(pixels(box.top)) +
           ", \"width\": " + std::to_string(pixels(box.width)) +
           ", \"height\": " + std::to_string(pixels(box.height)) + "}";
}

const char* kindName(design::Kind kind)
{
    switch (kind) {
    case design::Kind::Label:
        return "label";
    case design::Kind::Shape:
        return "shape";
    case design::Kind::TextBox:
        return "text box";
    case design::Kind::Button:
        return "button";
    case design::Kind::Keypad:
        return "keypad";
    }
    return "unknown";
}

} // namespace

int main(int argc, char** argv)
{
    std::string out = "{\"splash\": " + json(design::kSplash) +
                      ", \"menu\": " + json(design::kMenu) + ",\n\"windows\": [";
    const char* separator = "\n  ";
    for (const design::Window& window : design::kWindows) {
        out += separator;
        out += "{\"screen\": " + json(window.screen) +
               ", \"spokenName\": " + json(window.spokenName) +
               ", \"width\": " + std::to_string(pixels(window.width)) +
               ", \"height\": " + std::to_string(pixels(window.height)) +
               ", \"escEnds\": " + json(window.escEnds) + "}";
        separator = ",\n  ";
    }
    out += "],\n\"controls\": [";
    separator = "\n  ";
    for (const design::Control& c : design::kControls) {
        out += separator;
        out += "{\"screen\": " + json(c.screen) + ", \"name\": " + json(c.name) +
               ", \"kind\": " + json(kindName(c.kind)) + ", \"caption\": " + json(c.caption) +
               ", \"click\": " + json(c.click) + ", \"visible\": " + json(c.visible) +
               ", \"standIn\": " + json(c.standIn) + ", \"heading\": " + json(c.heading) +
               ", \"box\": " + json(c.box) +
               ", \"centre\": {\"x\": " + std::to_string(c.box.centreXPixels()) +
               ", \"y\": " + std::to_string(c.box.centreYPixels()) + "}}";
        separator = ",\n  ";
    }
    out += "]}\n";
    std::FILE* file = argc > 1 ? std::fopen(argv[1], "wb") : stdout;
    if (file == nullptr || std::fputs(out.c_str(), file) < 0 ||
        (file != stdout && std::fclose(file) != 0)) {
        std::perror(argc > 1 ? argv[1] : "standard output");
        return 1;
    }
    return 0;
}
