// The forms of the action kinds, each in the file of its subject
// (action_forms_screen.cpp, _map, _units, _values, _skills); the one table of
// action_forms.cpp lists them by kind. Only the form files include this.
#pragma once

#include <cstddef>

#include "events/action_forms.h"
#include "resources/event_actions_ids.h"
#include "resources/events_ids.h"

// The form of a kind 1 to 23: its chooser button, its dialog and caption,
// its controls and its enabling rules.
template <size_t C, size_t R>
constexpr EACT_FORM EactKindForm(int kind, unsigned short dialog, const char* caption, const EACT_CTRL (&ctrls)[C],
                                 const EACT_RULE (&rules)[R]) {
    return {kind,   static_cast<unsigned short>(IDC_KIND_BUTTON_FIRST + kind - 1),
            dialog, caption,
            ctrls,  static_cast<int>(C),
            rules,  static_cast<int>(R)};
}
template <size_t C>
constexpr EACT_FORM EactKindForm(int kind, unsigned short dialog, const char* caption, const EACT_CTRL (&ctrls)[C]) {
    return {kind,    static_cast<unsigned short>(IDC_KIND_BUTTON_FIRST + kind - 1),
            dialog,  caption,
            ctrls,   static_cast<int>(C),
            nullptr, 0};
}

// Screen: message, picture, wait, sound effect, BGM.
extern const EACT_FORM g_EactFormMessage, g_EactFormPicture, g_EactFormWait, g_EactFormPlaySound, g_EactFormChangeBgm;
// Map: map cursor, warp, start position, map chips, event graphic.
extern const EACT_FORM g_EactFormSetMapCursor, g_EactFormWarp, g_EactFormChangeStartPos, g_EactFormChangeMapChip,
    g_EactFormChangeEventPic;
// Units: enemy group, enemy copy, ally placement, ally shop, party.
extern const EACT_FORM g_EactFormCreaseEnemyGroup, g_EactFormCopyEnemy, g_EactFormPutFriend, g_EactFormChangeFriendShop,
    g_EactFormChangeParty;
// Values: event variable, common variable, status, money.
extern const EACT_FORM g_EactFormCreaseEventVal, g_EactFormCreaseGVal, g_EactFormStatus, g_EactFormCreaseSalt;
// Skills: learning, stock, shop, random skills.
extern const EACT_FORM g_EactFormAcquireSkill, g_EactFormCreaseStock, g_EactFormAddShopSkill, g_EactFormGetRandomSkill;
