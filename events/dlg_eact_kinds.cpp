#include "events/dlg_eact_kinds.h"

#include <new>

#include "events/dlg_eact_eventpic.h"
#include "events/dlg_eact_message.h"
#include "events/dlg_eact_sound.h"
#include "events/dlg_eact_status.h"

namespace {

typedef DLG_EACT_BASE* (*EACT_OPENER)(const EACT_CONTEXT&, WND_CLASS*, WND_LIST_CLASS*, const CTRL_CLASS*);

template <class D>
DLG_EACT_BASE* Open(const EACT_CONTEXT& context, WND_CLASS* parent, WND_LIST_CLASS* wndList,
                    const CTRL_CLASS* placeRef) {
    return new (std::nothrow) D(context, parent, wndList, placeRef);
}

// By kind; null for the kinds without a dialog.
const EACT_OPENER kOpeners[EACT_KIND_COUNT] = {
    nullptr,
    Open<DLG_EACT_MESSAGE>,
    Open<DLG_EACT_PICTURE>,
    Open<DLG_EACT_WAIT>,
    Open<DLG_EACT_SETMAPCURSOR>,
    Open<DLG_EACT_WARP>,
    Open<DLG_EACT_CREASEENEMYGROUP>,
    Open<DLG_EACT_COPYENEMY>,
    Open<DLG_EACT_PUTFRIEND>,
    Open<DLG_EACT_CHANGESTARTPOS>,
    Open<DLG_EACT_CREASEEVENTVAL>,
    Open<DLG_EACT_CREASEGVAL>,
    Open<DLG_EACT_CHANGEMAPCHIP>,
    Open<DLG_EACT_CHANGEEVENTPIC>,
    Open<DLG_EACT_PLAYSOUND>,
    Open<DLG_EACT_CHANGEBGM>,
    Open<DLG_EACT_STATUS>,
    Open<DLG_EACT_CREASESALT>,
    Open<DLG_EACT_ACQUIRESKILL>,
    Open<DLG_EACT_CREASESTOCK>,
    Open<DLG_EACT_ADDSHOPSKILL>,
    Open<DLG_EACT_GETRANDOMSKILL>,
    Open<DLG_EACT_CHANGEFRIENDSHOP>,
    Open<DLG_EACT_CHANGEPARTY>,
    nullptr,
    nullptr,
    nullptr,
};

}  // namespace

DLG_EACT_BASE* CreateEactDialog(const EACT_CONTEXT& context, WND_CLASS* parent, WND_LIST_CLASS* wndList,
                                const CTRL_CLASS* placeRef) {
    if (!context.action || !IsEventActKind(context.action->Kind)) return nullptr;
    const EACT_OPENER open = kOpeners[context.action->Kind];
    return open && EactForm(context.action->Kind).dialogId ? open(context, parent, wndList, placeRef) : nullptr;
}
