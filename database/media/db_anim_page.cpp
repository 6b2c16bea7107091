#include "database/media/db_anim_page.h"

#include <new>

#include "database/media/media_rules.h"
#include "media/anim_play.h"
#include "ui/common_dialogs.h"

namespace {

template <class Pat>
void NameRow(std::string& text, int, const Pat& anim) {
    text = anim.strName;
}

// The number an edit of the dialog shows now, as typed.
int ItemNumber(HWND dlg, int id, int minimum) { return EditTextNumber(GetDlgItemString(dlg, id, 32), minimum); }

// The record side of an edit of the frame dialog, by its field.
struct FRAME_EDIT {
    WORD id, spin;
    int minimum, maximum;
};
const FRAME_EDIT kCel = {IDC_FRAME_CEL, IDC_FRAME_CEL_SPIN, 0, 640};
const FRAME_EDIT kMoveX = {IDC_FRAME_MOVEX, IDC_FRAME_MOVEX_SPIN, -640, 640};
const FRAME_EDIT kMoveY = {IDC_FRAME_MOVEY, IDC_FRAME_MOVEY_SPIN, -480, 480};
const FRAME_EDIT kTime = {IDC_FRAME_TIME, IDC_FRAME_TIME_SPIN, 0, 999};

CTRL_EDITVAL_CLASS<int> FrameEdit(const FRAME_EDIT& e, int* field) {
    return CTRL_EDITVAL_CLASS<int>({e.id, field, e.minimum, e.maximum, e.spin, 1});
}

// The cell `cell` of `graphic` on black, copied onto the picture.
void DrawCellPreview(CTRL_PICTURE_CLASS* picture, const ANIM_PAGE_KIND& kind, int graphic, int cell) {
    if (!picture || !picture->m_hWndDC || !picture->Surface()) return;
    picture->Surface()->Fill(RGB(0, 0, 0));
    kind.draw(picture->Surface(), 0, 0, graphic, cell);
    picture->Present();
}

}  // namespace

// ---- The page ---------------------------------------------------------------------------

template <class Pat, class Frame>
DLG_DBANIM<Pat, Frame>::DLG_DBANIM(WORD resId, PROP_DATABASE* sheet, WND_LIST_CLASS* wndList,
                                   VECTOR_CLASS<Pat>* animations, const ANIM_PAGE_KIND& kind, FRAME_ROW frameRow)
    : DLG_DBLIST<Pat>(resId, sheet, wndList, animations),
      m_FrameEdits({IDC_ANIM_FRAMES, IDC_ANIM_INSERT, IDC_ANIM_EDIT, IDC_ANIM_DELETE}, 1),
      m_Kind(kind) {
    if (animations->size() < 2) {
        animations->resize(2);
        this->m_Work.Assign(*animations);
    }
    Pat& r = this->m_Record;
    this->m_ListDesc = RecordListDesc(kind.listId, animations, &this->m_Work, &r, 1, 1, 999, 1, NameRow<Pat>);
    m_FrameDesc = RecordListDesc<Frame>(IDC_ANIM_FRAMES, nullptr, &r.vAnim, nullptr, 0, 1, 99, 0, frameRow);
    this->m_Strs.push_back(CTRL_EDITSTR_CLASS({IDC_DBLIST_NAME, &r.strName, 13, 12, 1, kind.nameInChars, {}}));
    m_Graphics.push_back(CTRL_EDITVAL_CLASS<unsigned short>(
        {IDC_ANIM_GRAPHIC, &r.nGraphic, 1, static_cast<unsigned short>(kind.graphicMax), IDC_ANIM_GRAPHIC_SPIN, 1}));
    this->m_Pictures.push_back(CTRL_PICTURE_CLASS({IDC_ANIM_PREVIEW, kind.cellSize, kind.cellSize, -1, -1}));
    this->m_Buttons.push_back(CTRL_BUTTON_CLASS({IDC_ANIM_PICK}));
    m_FrameEdits.m_Edit = [this](int row) {
        if (row >= static_cast<int>(this->m_Record.vAnim.size())) return 0;
        m_pFrameDialog = MakeFrameDialog(&this->m_Record.vAnim[row]);
        return RunOwnedDialog(m_pFrameDialog);
    };
}

template <class Pat, class Frame>
void DLG_DBANIM<Pat, Frame>::AttachLists() {
    DLG_DBLIST<Pat>::AttachLists();
    m_Frames.Subclass(this, m_FrameDesc);
    this->AddCtrl(&m_Frames);
    this->AttachSubList(m_FrameEdits, &m_Frames);
    this->AddCtrls(m_Graphics);
}

template <class Pat, class Frame>
int DLG_DBANIM<Pat, Frame>::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    DLG_DBLIST<Pat>::OnInitDialog(wParam, lParam);
    m_Frames.SelectOnly(0, 0);
    CheckGraphicSync();
    return 0;
}

template <class Pat, class Frame>
int DLG_DBANIM<Pat, Frame>::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int r = DLG_DBLIST<Pat>::OnCommand(wParam, lParam);
    // Whatever the command was, the preview starts again from the animation as it now is.
    if (this->m_bCreated) LoadPreview();
    return r;
}

template <class Pat, class Frame>
int DLG_DBANIM<Pat, Frame>::OnPageCommand(WORD id, WORD code) {
    if (id != IDC_ANIM_PICK || code != BN_CLICKED) return PAGE_CMD_NONE;
    PickGraphic();
    return PAGE_CMD_KEEP;
}

template <class Pat, class Frame>
void DLG_DBANIM<Pat, Frame>::PickGraphic() {
    // The picker starts on no graphic of its own; the edit takes what the user clicks.
    int graphic = 0;
    if (!m_Kind.pick(&graphic, this, this->FindCtrl(this->m_Buttons, IDC_ANIM_PICK))) return;
    if (graphic > 0xFFFF) graphic = 0xFFFF;
    m_Graphics[0].ShowValue(static_cast<unsigned short>(graphic < 0 ? 0 : graphic));
}

template <class Pat, class Frame>
void DLG_DBANIM<Pat, Frame>::CheckGraphicSync() {
    const int index = this->m_List.GetDataPos();
    if (index < 0 || index >= static_cast<int>(this->m_Work.size())) return;
    if (this->m_Work[index].nGraphic != ItemNumber(this->m_hWnd, IDC_ANIM_GRAPHIC, 1)) m_bGraphicResync = 1;
}

template <class Pat, class Frame>
void DLG_DBANIM<Pat, Frame>::OnIdle() {
    if (!this->m_bCreated) return;
    const int index = this->m_List.GetDataPos();
    if (index < 0 || index >= static_cast<int>(this->m_Work.size())) return;
    if (m_bGraphicResync) {
        m_bGraphicResync = 0;
        const unsigned short stored = this->m_Work[index].nGraphic;
        if (stored != ItemNumber(this->m_hWnd, IDC_ANIM_GRAPHIC, 1)) m_Graphics[0].ShowValue(stored);
    }
    OnTick(1);
}

template <class Pat, class Frame>
void DLG_DBANIM<Pat, Frame>::DrawPreview(WORD pictureId, int advance) {
    if (!this->m_bCreated) return;
    CTRL_PICTURE_CLASS* picture = this->FindCtrl(this->m_Pictures, pictureId);
    if (!picture || !picture->m_hWndDC) return;
    // The graphic as typed, before it is stored.
    const int graphic = ItemNumber(this->m_hWnd, IDC_ANIM_GRAPHIC, 1);
    int cell = 0;
    if (g_AnimPlay.GetPatternCount() > 0) cell = advance ? g_AnimPlay.Step() : g_AnimPlay.GetCell();
    DrawCellPreview(picture, m_Kind, graphic, cell);
}

// ---- The frame dialog -------------------------------------------------------------------

template <class Frame>
DLG_DBANIM_FRAME<Frame>::DLG_DBANIM_FRAME(WORD resId, WND_CLASS* page, WND_LIST_CLASS* wndList,
                                          const CTRL_CLASS* placeRef, Frame* frame, const unsigned short* graphic,
                                          const ANIM_PAGE_KIND& kind)
    : DLG_RECORD_CLASS(resId, page, WND_MODE_DIALOG, wndList, placeRef, 1),
      m_pFrame(frame),
      m_pGraphic(graphic),
      m_Kind(kind) {
    m_Edits.push_back(FrameEdit(kCel, &frame->nCel));
    m_Edits.push_back(FrameEdit(kMoveX, &frame->nMoveX));
    m_Edits.push_back(FrameEdit(kMoveY, &frame->nMoveY));
    m_Edits.push_back(FrameEdit(kTime, &frame->nTime));
    m_Checks.push_back(CTRL_CHECK_CLASS<int>({IDC_FRAME_INSTANT, &frame->bInstant}));
    m_Pictures.push_back(CTRL_PICTURE_CLASS({IDC_ANIM_PREVIEW, kind.cellSize, kind.cellSize, -1, -1}));
}

template <class Frame>
int DLG_DBANIM_FRAME<Frame>::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int r = ModalOnCommand(wParam, lParam);
    if (LOWORD(wParam) == IDC_FRAME_CEL && m_hWnd) DrawFrame(IDC_ANIM_PREVIEW);
    return r;
}

template <class Frame>
void DLG_DBANIM_FRAME<Frame>::DrawFrame(WORD pictureId) {
    if (!m_bCreated || !m_hWnd) return;
    DrawCellPreview(FindCtrl(m_Pictures, pictureId), m_Kind, m_pGraphic ? *m_pGraphic : 0,
                    ItemNumber(m_hWnd, IDC_FRAME_CEL, 0));
}

template class DLG_DBANIM<cCharaAnimPat, cCharaAnim>;
template class DLG_DBANIM<cEffectAnimPat, cEffectAnim>;
template class DLG_DBANIM_FRAME<cCharaAnim>;
template class DLG_DBANIM_FRAME<cEffectAnim>;
