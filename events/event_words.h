// Word tables of the event editor's combo boxes and one-line texts, each
// ended by an empty string. A combo bound to one stores the row, so the order
// of every table is part of the stored data. The comparisons and operators
// that other editors show too are in editing/shared_words.h. Window-free.
#pragma once

#include "editing/shared_words.h"
#include "model/event.h"

// Pages: trigger timing, area, subject and presence.
extern const char* const g_WordTiming[];
extern const char* const g_WordArea[];
extern const char* const g_WordSubject[];
extern const char* const g_WordPresence[];

// The two timings after which a special command name is asked for.
enum { TIMING_FRIEND_COMMAND = 3, TIMING_HOLDER_COMMAND = 16 };

// Message action.
extern const char* const g_WordMsgPos[];
extern const char* const g_WordMsgShow[];
extern const char* const g_WordMsgWidth[];
extern const char* const g_WordMsgRelPos[];
// Picture action: the same labels as the message's, kept apart.
extern const char* const g_WordPicPos[];
extern const char* const g_WordPicShow[];
// Map cursor and warp actions.
extern const char* const g_WordCursorTarget[];
extern const char* const g_WordWarpTarget[];
// Enemy group action: switches the group off or on.
extern const char* const g_WordOnOff[];
// Map-chip action.
extern const char* const g_WordChipArea[];
extern const char* const g_WordChipSource[];
// Status action.
extern const char* const g_WordStatusSubject[];
extern const char* const g_WordStatusTarget[];
extern const char* const g_WordStatusOperand[];
extern const char* const g_WordVarKind[];
// Random-skill and BGM actions.
extern const char* const g_WordRandomSkill[];
extern const char* const g_WordBgmScene[];

// What the status action may change: "HP" and "SP" with their ranges.
enum { STATUS_ITEM_COUNT = 2 };
extern const cStatusOpInfo g_StatusItem[STATUS_ITEM_COUNT];
// The name of status item `index`, "" outside the table.
const char* StatusItemName(int index);
