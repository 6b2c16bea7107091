#include "ui/hook_rules.h"

namespace {
// The virtual keys, written out so that the rules build without window headers.
const unsigned kTab = 0x09, kReturn = 0x0D, kControl = 0x11, kEscape = 0x1B, kSpace = 0x20;
const unsigned kLeft = 0x25, kDown = 0x28, kDelete = 0x2E, kF1 = 0x70, kF8 = 0x77;
const unsigned kKeyDown = 0x0100, kKeyUp = 0x0101;
}  // namespace

bool IsHookCopiedKey(unsigned key) {
    return key == kSpace || (key >= kLeft && key <= kDown) || key == kDelete || (key >= kF1 && key <= kF8);
}

HOOK_KEY_DECISION DecideHookKey(const HOOK_KEY_INPUT& in) {
    HOOK_KEY_DECISION d;
    d.ctrlHeld = in.ctrlHeld;
    if (in.menuOrListOpen) {
        if (in.hasClient && in.clientActive && in.key == kControl) d.ctrlHeld = in.keyUp ? 0 : 1;
        return d;
    }
    if (!in.hasClient || in.option) {
        if (in.ime == HOOK_IME_NO_CONTEXT) {
            d.logNoContext = 1;
        } else if (in.ime == HOOK_IME_IDLE && in.key == kEscape) {
            d.swallow = 1;
            return d;
        }
    }
    if (!in.hasClient || !in.clientActive) return d;
    if (in.keyUp) {
        if (in.key == kControl) d.ctrlHeld = 0;
    } else if (in.key == kTab) {
        return d;
    } else if (in.key == kReturn) {
        if (in.ime == HOOK_IME_COMPOSING) return d;  // the input method takes Enter
        if (in.focusTakesReturn) return d;
    } else {
        if (in.ime == HOOK_IME_IDLE && IsHookCopiedKey(in.key)) {
            if (!in.altHeld) d.post = WM_HOOKKEY;
            return d;
        }
        if (in.key == kControl) d.ctrlHeld = 1;
    }
    // A copy of a key pressed with Alt would be translated into a character
    // that the menu loop, once Alt and a letter opened a menu, takes for the
    // letter of an item. Ctrl shortcuts of a modeless dialog reach it only
    // through the normal path.
    if (in.altHeld) return d;
    if (!(in.modeless && d.ctrlHeld)) d.post = in.keyUp ? kKeyUp : kKeyDown;
    return d;
}
