// The slider control: a trackbar bound to an int or short field, with a
// numeric edit beside it that shows the position. Moving the trackbar
// rewrites the edit and tells the dialog (WM_COMMAND with the trackbar's id);
// a number typed into the edit moves the trackbar, clamped to its range as
// the edit shows it, and is a change of the slider (the dialog stores the
// trackbar's position).
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "ui/ctrl_editval.h"
#include "ui/dlg.h"

template <class T>
class CTRL_SLIDER_CLASS : public CTRL_CLASS {
public:
    struct DESC {
        WORD id;
        T* value;
        T minimum, maximum;
        int page, line;  // trackbar page and line sizes
        WORD editId;     // the numeric edit that shows the position, 0: none
    };
    CTRL_SLIDER_CLASS() : CTRL_CLASS(CTRL_KIND_SLIDER) {}
    explicit CTRL_SLIDER_CLASS(DESC desc) : CTRL_CLASS(CTRL_KIND_SLIDER), m_Desc(desc) {}

    void Enable(int flag) override {
        EnableWindow(m_hWnd, flag);
        m_Edit.Enable(flag);
    }
    void ValueToCtrl() override {
        if (!m_pValue) return;
        SendMessageA(m_hWnd, TBM_SETPOS, TRUE, static_cast<LPARAM>(*m_pValue));
        ShowInEdit(*m_pValue);
        Tell();
    }
    void CtrlToValue() override {
        if (m_pValue && !IsRefreshing()) *m_pValue = static_cast<T>(GetPos());
    }
    // The trackbar's own scroll messages; the other controls see them too.
    int OnScroll(WPARAM, LPARAM lParam) override {
        if (!m_hWnd || reinterpret_cast<HWND>(lParam) != m_hWnd) return 0;
        ShowInEdit(static_cast<T>(GetPos()));
        Tell();
        return 0;
    }
    // The edit's notifications: what is typed is filtered and clamped as in
    // any numeric edit, and the trackbar follows the number it shows; while
    // the edit holds no number yet it stays. Leaving the edit shows the number
    // in its clean form (an emptied edit or a lone "-" shows 0), and a
    // position that moves then makes the leave itself a change of the slider:
    // a command sent from inside the leave's command would be dropped (the
    // window's guard against nested commands), and the dialog would store
    // the position it had before.
    WORD PartnerId() const override { return m_Edit.m_hWnd ? m_Desc.editId : 0; }
    int PartnerChanged(WORD code) const override {
        return code == EN_UPDATE || (code == EN_KILLFOCUS && m_bMovedOnLeave);
    }
    void OnPartnerCommand(WORD code) override {
        m_bMovedOnLeave = 0;
        // The slider's own writing into the edit, or the edit rewriting itself.
        if (m_bShowing || m_Edit.m_bBusy || !m_hWnd) return;
        if (code == EN_UPDATE)
            m_Edit.OnChange();
        else if (code == EN_KILLFOCUS)
            m_Edit.OnCommand();
        else
            return;
        T value = m_Edit.ParseText();
        if (m_Edit.m_bTyping) return;
        CTRL_EDITVAL_CLASS<T>::Clamp(value, m_Desc.minimum, m_Desc.maximum);
        if (static_cast<int>(value) == GetPos()) return;
        SendMessageA(m_hWnd, TBM_SETPOS, TRUE, static_cast<LPARAM>(value));
        m_bMovedOnLeave = code == EN_KILLFOCUS;
    }

    void Attach(DLG_CLASS* dlg, const DESC& desc) {
        CTRL_CLASS::Attach(dlg, desc.id);
        m_Desc = desc;
        m_pValue = desc.value;
        SendMessageA(m_hWnd, TBM_SETRANGEMIN, FALSE, static_cast<LPARAM>(desc.minimum));
        SendMessageA(m_hWnd, TBM_SETRANGEMAX, FALSE, static_cast<LPARAM>(desc.maximum));
        SendMessageA(m_hWnd, TBM_SETPAGESIZE, 0, desc.page);
        SendMessageA(m_hWnd, TBM_SETLINESIZE, 0, desc.line);
        // The trackbar places its thumb only when the position changes, not
        // when the range does: from the far end the value's place is drawn.
        SendMessageA(m_hWnd, TBM_SETPOS, TRUE, static_cast<LPARAM>(desc.maximum));
        if (m_pValue) SendMessageA(m_hWnd, TBM_SETPOS, TRUE, static_cast<LPARAM>(*m_pValue));
        // The edit only shows the position: it is bound to nothing. Without
        // one (id 0) no item of the dialog is taken for it.
        if (!desc.editId) return;
        m_bShowing = 1;
        m_Edit.Attach(dlg, {desc.editId, nullptr, desc.minimum, desc.maximum, 0, T(1)});
        m_bShowing = 0;
        ShowInEdit(m_pValue ? *m_pValue : desc.minimum);
    }
    void AttachDesc(DLG_CLASS* dlg) { Attach(dlg, m_Desc); }
    // The position; a short slider keeps its low 16 bits.
    int GetPos() const { return static_cast<int>(SendMessageA(m_hWnd, TBM_GETPOS, 0, 0)); }

    T* m_pValue = nullptr;
    CTRL_EDITVAL_CLASS<T> m_Edit;
    DESC m_Desc = {0, nullptr, T(), T(), 0, 0, 0};

private:
    int m_bShowing = 0;       // the slider writes the edit: its notifications are its own
    int m_bMovedOnLeave = 0;  // the last notification of the edit was its leave, and it moved the trackbar
    void ShowInEdit(T value) {
        m_bShowing = 1;
        m_Edit.ShowValue(value);
        m_bShowing = 0;
    }
    void Tell() {
        if (m_pDlg && m_pDlg->m_hWnd) SendMessageA(m_pDlg->m_hWnd, WM_COMMAND, MAKEWPARAM(m_wId, 0), 0);
    }
};
