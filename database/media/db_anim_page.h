// The frame of the two animation pages: named animations in the record list,
// the frames of the selected one in a list of their own (edited one at a time
// in a modal frame dialog), the graphic number with its picker and a live
// preview that the shared player steps from the idle routine. The pages
// differ in their graphic sheets (48-pixel character cells or 64-pixel effect
// cells), the graphic range, the frame record and the frame dialog.
#pragma once

#include <vector>

#include "database/sheet/db_list_page.h"
#include "media/dib.h"
#include "model/media_records.h"
#include "resources/db_media_ids.h"
#include "ui/dlg_record.h"

typedef int (*GRAPHIC_PICKER)(int* cell, WND_CLASS* parent, const CTRL_CLASS* placeRef);
typedef void (*CELL_DRAWER)(cDib* dst, int x, int y, int graphic, int frame);

// What sets one animation page apart from the other.
struct ANIM_PAGE_KIND {
    WORD listId;      // the animation list
    int cellSize;     // pixels of a cell and of the previews
    int graphicMax;   // graphics 1 to this
    int nameInChars;  // the 12 of the name count characters (else bytes)
    GRAPHIC_PICKER pick;
    CELL_DRAWER draw;
};

template <class Pat, class Frame>
class DLG_DBANIM : public DLG_DBLIST<Pat> {
public:
    typedef void (*FRAME_ROW)(std::string& text, int index, const Frame& frame);
    // A database list of fewer than two animations is first grown to two.
    DLG_DBANIM(WORD resId, PROP_DATABASE* sheet, WND_LIST_CLASS* wndList, VECTOR_CLASS<Pat>* animations,
               const ANIM_PAGE_KIND& kind, FRAME_ROW frameRow);

    int OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    int OnCommand(WPARAM wParam, LPARAM lParam) override;
    // Shows the stored graphic again when the edit lost it, then steps the
    // preview; only while a record row is selected (a list whose window is
    // gone has none).
    void OnIdle() override;
    // The preview as it stands, without a step (when it is uncovered).
    void OnPaint() override { DrawPreview(IDC_ANIM_PREVIEW, 0); }
    void OnTick(int advance) override { DrawPreview(IDC_ANIM_PREVIEW, advance); }

    // The player's current cell (after a step with `advance`) of the graphic
    // typed in the edit, on black.
    void DrawPreview(WORD pictureId, int advance);
    // The working animation's sequence into the shared player, restarted.
    virtual void LoadPreview() = 0;
    // Notes that the edit no longer shows the selected record's graphic.
    void CheckGraphicSync();

    CTRL_LIST_CLASS<Frame> m_Frames;
    // The frames' commands: "挿入", "編集", "削除", keys and menu.
    RECORD_SUBLIST m_FrameEdits;
    std::vector<CTRL_EDITVAL_CLASS<unsigned short>> m_Graphics;
    DLG_CLASS* m_pFrameDialog = nullptr;  // while it runs
    int m_bGraphicResync = 0;
    const ANIM_PAGE_KIND& m_Kind;

protected:
    // The frame dialog on `frame` of the working animation, placed at the frame list.
    virtual DLG_CLASS* MakeFrameDialog(Frame* frame) = 0;
    void AttachLists() override;
    int OnPageCommand(WORD id, WORD code) override;
    void BeforeStore() override { CheckGraphicSync(); }
    void AfterRecordChange() override { m_Frames.SelectOnly(0, 0); }

private:
    void PickGraphic();
    CTRL_LIST_DESC<Frame> m_FrameDesc = {};
};

// The frame dialog "アニメ": one frame's cell, moves, display time and flags,
// bound to the frame itself (stored on OK only), with the cell still on the
// graphic the animation has stored.
template <class Frame>
class DLG_DBANIM_FRAME : public DLG_RECORD_CLASS {
public:
    DLG_DBANIM_FRAME(WORD resId, WND_CLASS* page, WND_LIST_CLASS* wndList, const CTRL_CLASS* placeRef, Frame* frame,
                     const unsigned short* graphic, const ANIM_PAGE_KIND& kind);

    int OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnPaint() override { DrawFrame(IDC_ANIM_PREVIEW); }
    // The cell typed in the cell edit, of the animation's stored graphic, on black.
    void DrawFrame(WORD pictureId);

    Frame* m_pFrame;
    const unsigned short* m_pGraphic;
    const ANIM_PAGE_KIND& m_Kind;
};
