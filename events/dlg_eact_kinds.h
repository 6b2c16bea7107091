// The action dialogs that are their kind's form and nothing more. Each is a
// class of its own, with its own global instance, so that every kind's
// dialog is found by its name.
#pragma once

#include "events/dlg_eact_base.h"

#define EACT_FORM_DIALOG(NAME)                                                                                    \
    class NAME : public DLG_EACT_BASE {                                                                           \
    public:                                                                                                       \
        NAME(const EACT_CONTEXT& context, WND_CLASS* parent, WND_LIST_CLASS* wndList, const CTRL_CLASS* placeRef) \
            : DLG_EACT_BASE(context, parent, wndList, placeRef) {                                                 \
            SetInstance(this);                                                                                    \
        }                                                                                                         \
    }

EACT_FORM_DIALOG(DLG_EACT_PICTURE);
EACT_FORM_DIALOG(DLG_EACT_WAIT);
EACT_FORM_DIALOG(DLG_EACT_SETMAPCURSOR);
EACT_FORM_DIALOG(DLG_EACT_WARP);
EACT_FORM_DIALOG(DLG_EACT_CREASEENEMYGROUP);
EACT_FORM_DIALOG(DLG_EACT_COPYENEMY);
EACT_FORM_DIALOG(DLG_EACT_PUTFRIEND);
EACT_FORM_DIALOG(DLG_EACT_CHANGESTARTPOS);
EACT_FORM_DIALOG(DLG_EACT_CREASEEVENTVAL);
EACT_FORM_DIALOG(DLG_EACT_CREASEGVAL);
EACT_FORM_DIALOG(DLG_EACT_CHANGEMAPCHIP);
EACT_FORM_DIALOG(DLG_EACT_CREASESALT);
EACT_FORM_DIALOG(DLG_EACT_ACQUIRESKILL);
EACT_FORM_DIALOG(DLG_EACT_CREASESTOCK);
EACT_FORM_DIALOG(DLG_EACT_ADDSHOPSKILL);
EACT_FORM_DIALOG(DLG_EACT_GETRANDOMSKILL);
EACT_FORM_DIALOG(DLG_EACT_CHANGEFRIENDSHOP);
EACT_FORM_DIALOG(DLG_EACT_CHANGEPARTY);

#undef EACT_FORM_DIALOG
