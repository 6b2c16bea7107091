// The ten system pages (tabs 15 to 24): controls bound straight to the fields
// of the one global system-settings record. A page is a table of its controls
// (id, up-down item, kind, field, limits, and when the control is enabled)
// over one page class; the controls write their fields only when Apply
// commits the page.
#pragma once

#include <string>
#include <vector>

#include "base/containers.h"
#include "database/sheet/db_page.h"
#include "ui/ctrl_combo.h"
#include "ui/ctrl_editstr.h"
#include "ui/ctrl_editval.h"

class cSystem;

// Kinds of the system pages' controls.
enum {
    SYS_INT,         // numeric edit of an int
    SYS_REAL,        // numeric edit of a double; the step gives the decimals
    SYS_SHORT,       // numeric edit of a 16-bit value
    SYS_BYTE,        // numeric edit of an unsigned byte
    SYS_TEXT,        // one line of at most `maximum` characters (a double-byte one counts one)
    SYS_BYTES,       // one line of at most `maximum` bytes
    SYS_CHECK,       // check box of an int
    SYS_BYTE_CHECK,  // check box of a byte
    SYS_WORDS,       // drop-down list of a word table; value = row
    SYS_PARTY_VAR,   // drop-down list of the party variables; value = row + 1
    SYS_BGM,         // drop-down list of the BGM records ("なし" first); value = row
    SYS_BACK,        // drop-down list of the battle backgrounds; value = row + 1
};

// Where a control's value lives: its address in the record, or null when the
// record's list is too short to hold it (the control is then left unbound).
typedef void* (*SYSTEM_FIELD)(cSystem& system);

template <class T>
T* SystemEntry(VECTOR_CLASS<T>& list, size_t index) {
    return index < list.size() ? &list[index] : nullptr;
}
#define SYS_FIELD(member) [](cSystem& s) -> void* { return &s.member; }
#define SYS_ENTRY(list, index) [](cSystem& s) -> void* { return SystemEntry(s.list, index); }
#define SYS_ITEM(list, index, member)             \
    [](cSystem& s) -> void* {                     \
        auto* entry = SystemEntry(s.list, index); \
        return entry ? &entry->member : nullptr;  \
    }

// One control of a system page. It is enabled while `on` (and `on2`) are
// checked and `off` is not; 0 asks nothing.
struct cSysCtrl {
    int kind;
    WORD id, spin;
    SYSTEM_FIELD field;
    double minimum, maximum, step;
    const char* const* words;
    WORD on, on2, off;
};

constexpr cSysCtrl SysInt(WORD id, WORD spin, SYSTEM_FIELD f, int lo, int hi) {
    return {SYS_INT, id, spin, f, double(lo), double(hi), 1, nullptr, 0, 0, 0};
}
constexpr cSysCtrl SysReal(WORD id, WORD spin, SYSTEM_FIELD f, double lo, double hi, double step) {
    return {SYS_REAL, id, spin, f, lo, hi, step, nullptr, 0, 0, 0};
}
constexpr cSysCtrl SysShort(WORD id, WORD spin, SYSTEM_FIELD f, int lo, int hi) {
    return {SYS_SHORT, id, spin, f, double(lo), double(hi), 1, nullptr, 0, 0, 0};
}
constexpr cSysCtrl SysByte(WORD id, WORD spin, SYSTEM_FIELD f) {
    return {SYS_BYTE, id, spin, f, 0, 255, 1, nullptr, 0, 0, 0};
}
constexpr cSysCtrl SysText(WORD id, SYSTEM_FIELD f, int chars, WORD on = 0, WORD on2 = 0, WORD off = 0) {
    return {SYS_TEXT, id, 0, f, 0, double(chars), 0, nullptr, on, on2, off};
}
constexpr cSysCtrl SysBytes(WORD id, SYSTEM_FIELD f, int bytes) {
    return {SYS_BYTES, id, 0, f, 0, double(bytes), 0, nullptr, 0, 0, 0};
}
constexpr cSysCtrl SysCheck(WORD id, SYSTEM_FIELD f, WORD on = 0) {
    return {SYS_CHECK, id, 0, f, 0, 1, 0, nullptr, on, 0, 0};
}
constexpr cSysCtrl SysByteCheck(WORD id, SYSTEM_FIELD f) {
    return {SYS_BYTE_CHECK, id, 0, f, 0, 1, 0, nullptr, 0, 0, 0};
}
constexpr cSysCtrl SysWords(WORD id, SYSTEM_FIELD f, const char* const* words) {
    return {SYS_WORDS, id, 0, f, 0, 0, 0, words, 0, 0, 0};
}
constexpr cSysCtrl SysList(int kind, WORD id, SYSTEM_FIELD f, WORD on = 0) {
    return {kind, id, 0, f, 0, 0, 0, nullptr, on, 0, 0};
}

class DLG_DBSYSTEM_N;

// A system page: its dialog, its controls, and when its enable rules run.
struct cSystemPage {
    WORD dialog;
    const cSysCtrl* ctrls;
    int count;
    const WORD* triggers;                  // ids whose commands run the rules, 0-ended; null: every command
    void (*update)(DLG_DBSYSTEM_N& page);  // rules beyond the table's, or null
};

// The pages' tables, page 1 to page 10 (index 0 to 9); pages 5 to 9 are
// g_SystemTextPages.
const cSystemPage& SystemPageTable(int page);
extern const cSystemPage g_SystemTextPages[5];

class DLG_DBSYSTEM_N : public DLG_DBPAGE {
public:
    DLG_DBSYSTEM_N(const cSystemPage& page, PROP_DATABASE* sheet, WND_LIST_CLASS* wndList);

    int OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    int OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    // Every control writes its value, clamped, into its field; nothing while
    // the page's window was never made.
    void Commit() override;

    // After an Apply, the page shows the record again (with fresh name lists).
    void RefreshIfPending();
    // The table's enable rules on the controls' states on screen, then the page's own.
    void UpdateControls();
    // Points every control at its field as the record now stands.
    void Bind();

    // The control of a table row with that id, or null.
    CTRL_CLASS* Ctrl(WORD id);
    int IsChecked(WORD id) const;
    void EnableId(WORD id, int enable);

    const cSystemPage& m_Page;
    std::vector<CTRL_EDITVAL_CLASS<int>> m_Ints;
    std::vector<CTRL_EDITVAL_CLASS<double>> m_Reals;
    std::vector<CTRL_EDITVAL_CLASS<short>> m_Shorts;
    std::vector<CTRL_EDITVAL_CLASS<unsigned char>> m_Bytes;
    std::vector<CTRL_CHECK_CLASS<unsigned char>> m_ByteChecks;
    VECTOR_CLASS<std::string> m_PartyVarRows;
    VECTOR_CLASS<std::string> m_BgmRows;
    VECTOR_CLASS<std::string> m_BackRows;

protected:
    // Attaches the table's controls, kind by kind.
    void AttachTable();
    // The party-variable, BGM and background rows from the committed database.
    void BuildNameLists();
    virtual void AfterRefresh() {}

private:
    void AddRow(const cSysCtrl& row);
    struct cSlot {
        const cSysCtrl* row;
        CTRL_CLASS* ctrl;
        int bound;
    };
    std::vector<cSlot> m_Slots;
};

// One class per page, so that each has its own instance and dialog procedure.
template <int N>
class DLG_DBSYSTEM_PAGE : public DLG_DBSYSTEM_N {
public:
    DLG_DBSYSTEM_PAGE(WORD, PROP_DATABASE* sheet, WND_LIST_CLASS* wndList)
        : DLG_DBSYSTEM_N(SystemPageTable(N - 1), sheet, wndList) {
        SetInstance(this);
    }
};

typedef DLG_DBSYSTEM_PAGE<1> DLG_DBSYSTEM;
typedef DLG_DBSYSTEM_PAGE<2> DLG_DBSYSTEM_2;
typedef DLG_DBSYSTEM_PAGE<3> DLG_DBSYSTEM_3;
typedef DLG_DBSYSTEM_PAGE<5> DLG_DBSYSTEM_5;
typedef DLG_DBSYSTEM_PAGE<6> DLG_DBSYSTEM_6;
typedef DLG_DBSYSTEM_PAGE<7> DLG_DBSYSTEM_7;
typedef DLG_DBSYSTEM_PAGE<8> DLG_DBSYSTEM_8;
typedef DLG_DBSYSTEM_PAGE<9> DLG_DBSYSTEM_9;
typedef DLG_DBSYSTEM_PAGE<10> DLG_DBSYSTEM_10;
