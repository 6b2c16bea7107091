// Every list of the editor worked with real input: rows clicked, moved to by
// keys, extended by Shift and Ctrl, double clicked. What the list box shows
// selected must be what the list control holds, and the dialog's edit
// button (or its clear or delete) must act on those rows.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "base/containers.h"
#include "ui/ctrl_list.h"
#include "ui/dlg.h"

// What a dialog's button does with the selected rows.
enum LIST_CHANGE {
    LIST_CLEARS,   // resets the selected records
    LIST_DELETES,  // removes them
};

// What runs in a list's window, and what opens that window, runs it there
// once the window is active, and closes what it opened.
typedef std::function<void(DLG_CLASS*)> LIST_INSIDE;
typedef std::function<void(const LIST_INSIDE& inside)> LIST_HOST;

struct cListCase {
    std::string name;
    LIST_HOST host;
    WORD list;
    WORD edit;    // opens a dialog on the current row's record (as a double click does); 0 none
    WORD change;  // clears or deletes the selected records; 0 none
    LIST_CHANGE changes;
};

// Runs every step of the clicks on one list; each fault names the case and
// the step.
std::vector<std::string> ClickThroughList(const cListCase& c, DLG_CLASS* host);

// Runs `open`, which runs dialog D modal; once D is active, `inside` runs
// in it and D ends. False when D never opened.
bool InModal(const std::function<void()>& open, const std::function<DLG_CLASS*()>& dialog,
             const std::function<void(DLG_CLASS*)>& inside);
template <class D>
bool InModal(const std::function<void()>& open, const std::function<void(DLG_CLASS*)>& inside) {
    return InModal(
        open,
        []() -> DLG_CLASS* {
            D* d = DLG_STATIC<D>::s_pInstance;
            return d && d->m_hWnd && d->m_bCreated ? d : nullptr;
        },
        inside);
}
// A modal dialog D that `open` runs from the window P that `outer` hosts.
template <class D, class P>
LIST_HOST ModalIn(LIST_HOST outer, std::function<void(P&)> open) {
    return [outer, open](const LIST_INSIDE& inside) {
        outer([&](DLG_CLASS* o) { InModal<D>([&] { open(*static_cast<P*>(o)); }, inside); });
    };
}
// The modeless window brought to the front and made active, then `inside`.
void InModeless(DLG_CLASS* window, HWND top, const std::function<void(DLG_CLASS*)>& inside);

// A real left click on the middle of a window (a button).
void ClickWindow(HWND wnd);

// At least `count` records, each told apart by `mark`: rows to click.
template <class T, class Mark>
void Distinct(VECTOR_CLASS<T>& records, size_t count, Mark mark) {
    if (records.size() < count) records.resize(count);
    for (size_t i = 0; i < records.size(); ++i) mark(records[i], static_cast<int>(i));
}
inline std::string Named(const char* stem, int i) { return stem + std::to_string(i); }
