// Compares a dialog template in the resources with the place its users know
// it by: size, font and the rectangle of every listed control.
#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "tests/support/dialog_template.h"

namespace layout {

// What a control is, where a table names it; Any leaves it unchecked.
enum class Look {
    Any,
    Other,
    Label,
    Bitmap,
    BlackFrame,
    NumberEdit,
    PlainEdit,
    DropList,
    UpDown,
    Button,
    DefButton,
    AutoCheck
};
inline const char* NameOf(Look look) {
    static const char* const kNames[] = {"any",         "other",       "label",          "bitmap",
                                         "black frame", "number edit", "plain edit",     "drop list",
                                         "up-down",     "button",      "default button", "check box"};
    return kNames[static_cast<int>(look)];
}

// A control found by its id, or, for a static without one (id -1), by its text.
struct Control {
    int id;
    const char* text;
    int x, y, cx, cy;
    Look look = Look::Any;
};

// A numbers-only edit is right-aligned too; a plain edit is neither.
inline Look LookOf(const dialog_template::Item& item) {
    // A control written with its class name keeps the name, in lower case.
    std::string kind = item.kind;
    for (char& c : kind) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    if (kind == "static") {
        switch (item.style & SS_TYPEMASK) {
        case SS_LEFT:
        case SS_CENTER:
        case SS_RIGHT:
        case SS_LEFTNOWORDWRAP: return Look::Label;
        case SS_BITMAP: return Look::Bitmap;
        case SS_BLACKFRAME: return Look::BlackFrame;
        default: return Look::Other;
        }
    }
    if (kind == "edit") {
        const DWORD number = item.style & (ES_NUMBER | ES_RIGHT);
        return number == (ES_NUMBER | ES_RIGHT) ? Look::NumberEdit : number == 0 ? Look::PlainEdit : Look::Other;
    }
    if (kind == "combobox") return (item.style & 3) == CBS_DROPDOWNLIST ? Look::DropList : Look::Other;
    if (kind == "msctls_updown32") return Look::UpDown;
    if (kind == "button") {
        switch (item.style & BS_TYPEMASK) {
        case BS_PUSHBUTTON: return Look::Button;
        case BS_DEFPUSHBUTTON: return Look::DefButton;
        case BS_AUTOCHECKBOX: return Look::AutoCheck;
        default: return Look::Other;
        }
    }
    return Look::Other;
}

struct Dialog {
    int id;
    const char* caption;
    int cx, cy;
    int pointSize;
    const char* font;
    std::vector<Control> controls;
};

inline std::string Where(const Dialog& want, const Control& control) {
    return "dialog " + std::to_string(want.id) + ", control " + std::to_string(control.id) +
           (control.id == -1 ? std::string(" \"") + control.text + "\"" : std::string());
}

inline void ExpectLayout(const Dialog& want) {
    SCOPED_TRACE("dialog " + std::to_string(want.id));
    const dialog_template::Template got = dialog_template::Load(want.id);
    ASSERT_TRUE(got.found);
    if (want.caption) {
        EXPECT_EQ(want.caption, got.caption);
    }
    EXPECT_EQ(want.cx, got.cx);
    EXPECT_EQ(want.cy, got.cy);
    EXPECT_EQ(want.pointSize, got.pointSize);
    EXPECT_EQ(std::string(want.font), got.font);
    for (const Control& control : want.controls) {
        const dialog_template::Item* item = nullptr;
        if (control.id == -1) {
            item = got.WithText(control.text);
        } else {
            const auto items = got.WithId(control.id);
            ASSERT_EQ(1u, items.size()) << Where(want, control);
            item = items[0];
        }
        ASSERT_NE(nullptr, item) << Where(want, control);
        EXPECT_EQ(control.x, item->x) << Where(want, control);
        EXPECT_EQ(control.y, item->y) << Where(want, control);
        EXPECT_EQ(control.cx, item->cx) << Where(want, control);
        EXPECT_EQ(control.cy, item->cy) << Where(want, control);
        if (control.look != Look::Any) {
            EXPECT_STREQ(NameOf(control.look), NameOf(LookOf(*item)))
                << Where(want, control) << " style " << std::hex << item->style;
        }
    }
}

}  // namespace layout
