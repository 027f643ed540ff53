// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Prints the design table as JSON, for the checks written in other languages: every window with
// its spoken name, every control with its kind, caption, click and visibility.

#include "support/design_table.h"

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

int main()
{
    std::string out = "{\"windows\": [";
    const char* separator = "\n  ";
    for (const design::Window& window : design::kWindows) {
        out += separator;
        out += "{\"screen\": " + json(window.screen) +
               ", \"spokenName\": " + json(window.spokenName) + "}";
        separator = ",\n  ";
    }
    out += "],\n\"controls\": [";
    separator = "\n  ";
    for (const design::Control& c : design::kControls) {
        out += separator;
        out += "{\"screen\": " + json(c.screen) + ", \"name\": " + json(c.name) +
               ", \"kind\": " + json(kindName(c.kind)) + ", \"caption\": " + json(c.caption) +
               ", \"click\": " + json(c.click) +
               ", \"visible\": " + (c.visible ? "true" : "false") +
               ", \"standIn\": " + (c.standIn ? "true" : "false") +
               ", \"heading\": " + (c.heading ? "true" : "false") + "}";
        separator = ",\n  ";
    }
    out += "]}\n";
    std::fputs(out.c_str(), stdout);
    return 0;
}
