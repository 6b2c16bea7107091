// Drives the event editor's modal dialogs as a user would: steps queued in
// the order the dialogs open run right after each dialog's initialisation
// (before it shows), and may open the next dialog themselves.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "tests/ui/ui_driver.h"  // OpenBox
#include "ui/dlg.h"

// Runs after the next dialog initialisations, in order: a step that returns
// false (not its dialog yet) waits for the next one.
void QueueStep(std::function<bool()> step);
// Steps never run (a dialog that did not open) are dropped; their count.
int DropSteps();

void Click(HWND dlg, int id);
void Check(HWND dlg, int id, int checked);
void Choose(HWND dlg, int id, int row);  // a combo row, as the user picks it
void TypeText(HWND dlg, int id, const char* text);
std::string ItemText(HWND dlg, int id);
std::string ListRow(HWND dlg, int id, int row);
int ListCount(HWND dlg, int id);
int ComboRow(HWND dlg, int id);
int ComboCount(HWND dlg, int id);
bool IsItemEnabled(HWND dlg, int id);

// The project state the event dialogs read: 1000 common variables, a few
// allies and position groups, the sample's pictures; a scratch project
// folder with "data\database".
struct EventProject {
    EventProject();
    ~EventProject();
    std::string m_Home;
};
