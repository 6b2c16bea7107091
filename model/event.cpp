// Events, their pages and the action palette's entries; the event palette,
// the action palette and the start event.
#include "model/event.h"

#include "base/paths.h"

const char* const g_szDefaultEventPalette = "data\\plt\\default.plt";

// ---- cEventPage ------------------------------------------------------------------

cEventPage::cEventPage() { SetDefault(); }

int cEventPage::Serial(int op, cSerial* other, HANDLE file, int version) {
    SERIAL_BEGIN(cEventPage);
    SERIAL(Graphic);
    if (version >= 27) {
        SERIAL(TurnA);
        SERIAL(TurnA1);
        SERIAL(TurnA2);
        SERIAL(TurnB);
        SERIAL(TurnB1);
        SERIAL(TurnB2);
    } else {
        SERIAL(TurnA1);  // before 27 only the first number of condition A
    }
    SERIAL(EventVarCond);
    SERIAL(EventVarValue);
    SERIAL(EventVarCompare);
    SERIAL(CommonVar);
    SERIAL(CommonVarValue);
    SERIAL(CommonVarCompare);
    SERIAL(FirstAttemptOnly);
    SERIAL(Area);
    SERIAL(Subject);
    SERIAL(Presence);
    if (version >= 42) SERIAL(Friend);
    SERIAL(Group);
    if (version >= 114) {
        SERIAL(GroupCond);
        SERIAL(GroupNo);
        SERIAL(CharaIdCond);
        SERIAL(CharaId);
    }
    SERIAL(Timing);
    SERIAL(CommandName);
    if (version >= 75) SERIAL(AfterPrevious);
    SERIAL(Acts);
    return 1;
}

void cEventPage::SetDefault() {
    Clear();
    Acts.clear();
    Group = 1;
    if (const cFixupInputs* in = ActiveFixupInputs()) Fixup(*in);
}

void cEventPage::Fixup(const cFixupInputs& in) {
    if (Outside(Group, static_cast<size_t>(in.Stage.GroupCount))) Group = 0;
    if (Outside(Friend, in.Friends)) Friend = 0;
}

int cEventPage::Load(HANDLE file) {
    cSerial::Load(file);
    if (const cFixupInputs* in = ActiveFixupInputs()) Fixup(*in);
    return 1;
}

int cEventPage::Save(HANDLE file) {
    if (const cFixupInputs* in = ActiveFixupInputs()) Fixup(*in);
    return cSerial::Save(file);
}

// ---- cEvent ------------------------------------------------------------------------

cEvent::cEvent() { SetDefault(); }

int cEvent::Serial(int op, cSerial* other, HANDLE file, int version) {
    SERIAL_BEGIN(cEvent);
    SERIAL(X);
    SERIAL(Y);
    SERIAL(Carried);
    SERIAL(Value4);
    SERIAL(Value5);
    SERIAL(Value6);
    SERIAL(Name);
    SERIAL(Pages);
    return 1;
}

void cEvent::SetDefault() {
    Clear();
    Pages.resize(1);
}

// ---- cEventActPlt ------------------------------------------------------------------

int cEventActPlt::Serial(int op, cSerial* other, HANDLE file, int version) {
    SERIAL_BEGIN(cEventActPlt);
    SERIAL(Name);
    SERIAL(Description);
    SERIAL(Acts);
    return 1;
}

void cEventActPlt::SetDefault() {
    Clear();
    Acts.clear();
}

// ---- The project's events ----------------------------------------------------------

int LoadEventPalette(VECTOR_CLASS<cEvent>& palette, const char* path) {
    if (LoadRecordList(palette, path)) return 1;
    // Why the palette's own file failed is what the caller reports.
    const int outOfMemory = g_bFileOutOfMemory;
    palette.assign(1, cEvent());
    palette[0].Name = "デフォルト";
    LoadRecordList(palette, g_szDefaultEventPalette);
    g_bFileOutOfMemory = outOfMemory;
    return 0;
}
