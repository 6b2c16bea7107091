// Forms of the actions on the stage's map: map cursor, warp, start position,
// map chips and the event's graphic.
#include "events/action_forms_kinds.h"
#include "events/event_words.h"

namespace {

// Squares are typed: the editor does not compare them with the map's size.
const EACT_CTRL kSetMapCursorCtrls[] = {
    EactEdit(IDC_PLACE_X, 2, 0, 64, IDC_PLACE_X_SPIN),
    EactEdit(IDC_PLACE_Y, 3, 0, 64, IDC_PLACE_Y_SPIN),
    EactCombo(IDC_PLACE_TARGET, 0, g_WordCursorTarget),
    EactRows(IDC_PLACE_GROUP, 1, EACT_ROWS_GROUPS, 1, 1),
};

const EACT_RULE kSetMapCursorRules[] = {
    {{IDC_PLACE_GROUP}, {{IDC_PLACE_TARGET, 2, 2}}, 0},
    {{IDC_PLACE_X, IDC_PLACE_Y}, {{IDC_PLACE_TARGET, 3, 3}}, 0},
};

const EACT_CTRL kWarpCtrls[] = {
    EactEdit(IDC_PLACE_X, 1, 0, 64, IDC_PLACE_X_SPIN),
    EactEdit(IDC_PLACE_Y, 2, 0, 64, IDC_PLACE_Y_SPIN),
    EactCheck(IDC_WARP_FAIL, 3, 1),
    EactCombo(IDC_PLACE_TARGET, 0, g_WordWarpTarget),
};

const EACT_CTRL kChangeStartPosCtrls[] = {EactRows(IDC_START_GROUP, 0, EACT_ROWS_GROUPS, 1, 1)};

const EACT_CTRL kChangeMapChipCtrls[] = {
    EactCombo(IDC_CHIP_AREA, 0, g_WordChipArea),         EactCombo(IDC_CHIP_SOURCE, 1, g_WordChipSource),
    EactRows(IDC_CHIP_FROM, 2, EACT_ROWS_LANDS, 0),      EactRows(IDC_CHIP_TO, 3, EACT_ROWS_LANDS, 0),
    EactRows(IDC_CHIP_GROUP, 4, EACT_ROWS_GROUPS, 1, 1),
};

const EACT_RULE kChangeMapChipRules[] = {
    {{IDC_CHIP_GROUP}, {{IDC_CHIP_AREA, 6, 6}}, 0},
    {{IDC_CHIP_FROM}, {{IDC_CHIP_SOURCE, 1, 1}}, IDC_CHIP_SOURCE},
};

const EACT_CTRL kChangeEventPicCtrls[] = {
    EactEdit(IDC_EVPIC_GRAPHIC, 0, 0, 511, IDC_EVPIC_GRAPHIC_SPIN),
    EactPicture(IDC_EVPIC_PREVIEW, 32, 32, 100, 12),
    EactButton(IDC_EVPIC_PICK),
};

}  // namespace

const EACT_FORM g_EactFormSetMapCursor = EactKindForm(EACT_SETMAPCURSOR, IDD_EACT_SETMAPCURSOR, "マップカーソルの移動",
                                                      kSetMapCursorCtrls, kSetMapCursorRules);
const EACT_FORM g_EactFormWarp = EactKindForm(EACT_WARP, IDD_EACT_WARP, "ワープ", kWarpCtrls);
const EACT_FORM g_EactFormChangeStartPos =
    EactKindForm(EACT_CHANGESTARTPOS, IDD_EACT_CHANGESTARTPOS, "初期位置の変更", kChangeStartPosCtrls);
const EACT_FORM g_EactFormChangeMapChip = EactKindForm(EACT_CHANGEMAPCHIP, IDD_EACT_CHANGEMAPCHIP, "マップチップの変更",
                                                       kChangeMapChipCtrls, kChangeMapChipRules);
const EACT_FORM g_EactFormChangeEventPic =
    EactKindForm(EACT_CHANGEEVENTPIC, IDD_EACT_CHANGEEVENTPIC, "イベントのグラフィックを変更", kChangeEventPicCtrls);
