// The keyboard hook's decisions as a plain function, so that they can be
// tested without a keyboard: which keys are swallowed, which reach the
// active dialog as message 2024 or as a posted key message.
#pragma once

// The input method's state in the active window.
enum {
    HOOK_IME_NO_CONTEXT = -1,  // the window has no input-method context
    HOOK_IME_IDLE = 0,         // no composition open
    HOOK_IME_COMPOSING = 1,
};

// Posted by the hook for keys that the dialog manager would otherwise take.
const unsigned WM_HOOKKEY = 2024;

struct HOOK_KEY_INPUT {
    unsigned key = 0;      // virtual key
    int keyUp = 0;         // bit 31 of the key data
    int altHeld = 0;       // bit 29 of the key data: a system key, meant for the menus
    int hasClient = 0;     // the active window carries a dialog's hook object
    int clientActive = 0;  // that hook object's window is the active window
    int option = 0;        // the hook object swallows Escape like a window without one
    int modeless = 0;      // the hook object serves a modeless dialog
    int ime = HOOK_IME_IDLE;
    int ctrlHeld = 0;  // the process-wide Ctrl flag before this key
    // The control with the focus takes Return itself (a multi-line edit
    // breaks the line there); only then it is not copied to the dialog,
    // whose dialog manager would press the default button with the copy.
    int focusTakesReturn = 0;
    // A menu is open or the focused combo box has its list down: every key
    // is theirs (Return picks, Escape closes one level). A copy would reach
    // the dialog behind them, as its OK or Cancel or as a list's Delete.
    int menuOrListOpen = 0;
};

struct HOOK_KEY_DECISION {
    int swallow = 0;       // the key goes no further (result 1)
    unsigned post = 0;     // message posted to the active window: 0, WM_HOOKKEY, WM_KEYDOWN or WM_KEYUP
    int ctrlHeld = 0;      // the Ctrl flag after this key
    int logNoContext = 0;  // "Err ImmGetContext" goes to the second log
};

// True for the keys copied as WM_HOOKKEY: Space, the arrows, Delete, F1 to F8.
bool IsHookCopiedKey(unsigned key);

HOOK_KEY_DECISION DecideHookKey(const HOOK_KEY_INPUT& in);
