// Compares a dialog template in the resources with the place its users know
// it by: size, font and the rectangle of every listed control.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/dialog_template.h"

namespace layout {

// A control found by its id, or, for a static without one (id -1), by its text.
struct Control {
    int id;
    const char* text;
    int x, y, cx, cy;
};

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
    if (want.caption) EXPECT_EQ(want.caption, got.caption);
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
    }
}

// Style bits a control's template must carry (ES_NUMBER, UDS_SETBUDDYINT,
// ...), the control found by its id; with a mask, the style under the mask
// must read so (a static's kind: SS_TYPEMASK).
struct Style {
    int id;
    DWORD bits;
    DWORD mask = 0;  // 0: the bits themselves
};

inline void ExpectStyles(int dialogId, const std::vector<Style>& wanted) {
    const dialog_template::Template got = dialog_template::Load(dialogId);
    ASSERT_TRUE(got.found) << "dialog " << dialogId;
    for (const Style& style : wanted) {
        const auto items = got.WithId(style.id);
        ASSERT_EQ(1u, items.size()) << "dialog " << dialogId << ", control " << style.id;
        const DWORD mask = style.mask ? style.mask : style.bits;
        EXPECT_EQ(style.bits, items[0]->style & mask) << "dialog " << dialogId << ", control " << style.id;
    }
}

}  // namespace layout
