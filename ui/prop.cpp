#include "ui/prop.h"

#include <cstring>

#include "base/report.h"
#include "ui/dlg.h"

namespace {

// The sheet has no help button in its caption.
int CALLBACK SheetCallback(HWND sheet, UINT msg, LPARAM) {
    if (msg == PSCB_INITIALIZED)
        SetWindowLongA(sheet, GWL_EXSTYLE, GetWindowLongA(sheet, GWL_EXSTYLE) & ~static_cast<LONG>(WS_EX_CONTEXTHELP));
    return 0;
}

}  // namespace

int PROP_CLASS::Run() {
    m_bModeless = 1;
    if (!m_pSelf) m_pSelf = this;
    for (DLG_CLASS* page : m_Pages) {
        page->m_bModeless = m_bModeless;
        page->m_pSheet = this;
        page->m_pParentObj = m_pParent;
    }
    HINSTANCE inst = m_hParent ? reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(m_hParent, GWLP_HINSTANCE))
                               : GetModuleHandleA(nullptr);
    m_hPages.assign(m_Pages.size(), nullptr);
    m_Templates.clear();
    m_Templates.resize(m_Pages.size());
    for (size_t i = 0; i < m_Pages.size(); ++i) {
        DLG_CLASS* page = m_Pages[i];
        HINSTANCE pageInst = page->m_hInst ? page->m_hInst : inst;
        HRSRC res = FindResourceA(pageInst, MAKEINTRESOURCEA(page->m_wResId), RT_DIALOG);
        HGLOBAL loaded = res ? LoadResource(pageInst, res) : nullptr;
        const void* bytes = loaded ? LockResource(loaded) : nullptr;
        if (!bytes) {
            ReportAndEcLog("ダイアログ 【%u】 が見つかりません！", static_cast<unsigned>(page->m_wResId));
            continue;
        }
        DWORD size = SizeofResource(pageInst, res);
        m_Templates[i].assign(static_cast<const BYTE*>(bytes), static_cast<const BYTE*>(bytes) + size);
        PROPSHEETPAGEA psp;
        std::memset(&psp, 0, sizeof(psp));
        psp.dwSize = sizeof(psp);
        psp.dwFlags = PSP_DLGINDIRECT;
        psp.hInstance = pageInst;
        psp.pResource = reinterpret_cast<LPCDLGTEMPLATEA>(m_Templates[i].data());
        psp.pfnDlgProc = page->m_lpDlgProc;
        psp.lParam = 0;
        m_hPages[i] = CreatePropertySheetPageA(&psp);
    }

    PROPSHEETHEADERA psh;
    std::memset(&psh, 0, sizeof(psh));
    psh.dwSize = sizeof(psh);
    psh.dwFlags = PSH_USECALLBACK | (m_bModeless ? PSH_MODELESS : 0);
    psh.hwndParent = m_hParent;
    psh.hInstance = inst;
    std::vector<HPROPSHEETPAGE> made;
    for (HPROPSHEETPAGE h : m_hPages)
        if (h) made.push_back(h);
    psh.nPages = static_cast<UINT>(made.size());
    psh.nStartPage = 0;
    psh.phpage = made.data();
    psh.pfnCallback = SheetCallback;
    INT_PTR result = PropertySheetA(&psh);
    if (!m_bModeless) return 1;
    m_hWnd = reinterpret_cast<HWND>(result);
    if (!m_hWnd) {
        ErrorBox("ウインドウの生成に失敗！");
        if (m_hParent) PostMessageA(m_hParent, WM_CLOSE, 0, 0);
        return 0;
    }
    for (DLG_CLASS* page : m_Pages) page->m_hOwner = m_hWnd;
    return 1;
}

int PROP_CLASS::GetCurPage() const {
    if (!m_hWnd) return -1;
    HWND tab = reinterpret_cast<HWND>(SendMessageA(m_hWnd, PSM_GETTABCONTROL, 0, 0));
    return tab ? static_cast<int>(SendMessageA(tab, TCM_GETCURSEL, 0, 0)) : -1;
}
