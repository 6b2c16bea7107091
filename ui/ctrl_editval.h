// Numeric edits: an edit item bound to an int, byte, short or double field,
// with an optional up-down item beside it. The edit filters what is typed
// (full-width digits from the input method become ASCII digits), clamps to
// its range and steps with the up-down item.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <limits>
#include <string>
#include <type_traits>

#include "ui/ctrl.h"
#include "ui/numtext.h"

// Type codes of the bound field.
enum {
    EDITVAL_CHAR = 0,
    EDITVAL_UCHAR = 1,
    EDITVAL_SHORT = 2,
    EDITVAL_USHORT = 3,
    EDITVAL_INT = 4,
    EDITVAL_UINT = 5,
    EDITVAL_FLOAT = 6,
    EDITVAL_DOUBLE = 7,
};

// Limits of a type code as 64-bit numbers; 0 for a code without limits.
int EditValTypeLimits(int code, long long* minimum, long long* maximum);

// Reads the result string of an input-method composition; tests replace it.
typedef std::string (*IME_RESULT_READER)(HWND edit);
IME_RESULT_READER SetImeResultReader(IME_RESULT_READER reader);  // null: the system's

// The part of every numeric edit that does not depend on the bound type:
// the subclassing of the edit item (window property "CTRL_EDITVAL_CLASS").
class CTRL_EDITVAL_BASE : public CTRL_EDIT_CLASS {
public:
    CTRL_EDITVAL_BASE() : CTRL_EDIT_CLASS(CTRL_KIND_EDITVAL) {}
    // Up or Down in the edit or on its up-down: one step, as a click on the
    // arrow makes. 0 when the edit has no up-down that takes keys.
    int StepByKey(WPARAM key);

protected:
    virtual HWND SpinWnd() const = 0;
    // Steps the value shown by `delta` of the edit's own steps.
    virtual void Step(int delta) = 0;
    void SubclassEdit();
    // Only the user steps the value: an up-down's step that no click, held
    // button or key made is refused (see IsStrayStep).
    static void SubclassSpin(HWND spin);
    static int IsStrayStep(HWND spin);
    void GetSel(DWORD* start, DWORD* end) const;
    void SetSel(DWORD start, DWORD end) const;
    std::string GetText() const;
};

template <class T>
class CTRL_EDITVAL_CLASS;

// The up-down item of a numeric edit.
template <class T>
class CTRL_SPIN_CLASS : public CTRL_CLASS {
public:
    CTRL_SPIN_CLASS() : CTRL_CLASS(CTRL_KIND_SPIN) {}
    // Sets the range of the edit it serves and its own.
    void SetRange(T minimum, T maximum) {
        if (m_pEdit) m_pEdit->SetRange(minimum, maximum);
    }

    T* m_pValue = nullptr;
    HWND m_hBuddy = nullptr;
    T m_Step = T();
    T m_Min = T(), m_Max = T();
    int m_bSigned = 0;  // minimum below 0 (double: above 0)
    CTRL_EDITVAL_CLASS<T>* m_pEdit = nullptr;
};

template <class T>
class CTRL_EDITVAL_CLASS : public CTRL_EDITVAL_BASE {
public:
    struct DESC {
        WORD id;
        T* value;
        T minimum, maximum;
        WORD spinId;  // 0: none
        T step;
    };
    CTRL_EDITVAL_CLASS() {}
    explicit CTRL_EDITVAL_CLASS(DESC desc) : m_Desc(desc) {}

    void Enable(int flag) override {
        EnableWindow(m_hWnd, flag);
        EnableWindow(m_Spin.m_hWnd, flag);
    }
    void ValueToCtrl() override {
        m_bTyping = 0;
        if (m_pValue) SetValue(*m_pValue, 1);
    }
    void CtrlToValue() override {
        if (!m_pValue || IsRefreshing()) return;
        T value = ParseText();
        Clamp(value, m_Min, m_Max);
        *m_pValue = value;
    }
    void OnChange() override;
    int OnNotify(WPARAM wParam, LPARAM lParam) override;
    void OnCommand() override;

    void Attach(DLG_CLASS* dlg, const DESC& desc);
    void AttachDesc(DLG_CLASS* dlg) { Attach(dlg, m_Desc); }
    void SetValue(T value, int force);
    void ShowValue(T value) {
        m_bTyping = 0;
        SetValue(value, 1);
    }
    T ParseText();
    void SetRange(T minimum, T maximum);

    static int TypeName() {
        if (std::is_same<T, char>::value || std::is_same<T, signed char>::value) return EDITVAL_CHAR;
        if (std::is_same<T, unsigned char>::value) return EDITVAL_UCHAR;
        if (std::is_same<T, short>::value) return EDITVAL_SHORT;
        if (std::is_same<T, unsigned short>::value) return EDITVAL_USHORT;
        if (std::is_same<T, int>::value) return EDITVAL_INT;
        if (std::is_same<T, unsigned int>::value) return EDITVAL_UINT;
        if (std::is_same<T, float>::value) return EDITVAL_FLOAT;
        if (std::is_same<T, double>::value) return EDITVAL_DOUBLE;
        return -1;
    }
    HWND SpinWnd() const override { return m_Spin.m_hWnd; }
    void Step(int delta) override;
    static T TypeMax(int code) { return Limit(code, 1); }
    static T TypeMin(int code) { return Limit(code, 0); }
    static T Clamp(T& value, T low, T high) {
        if (value < low) value = low;
        if (value > high) value = high;
        return value;
    }

    T* m_pValue = nullptr;
    CTRL_SPIN_CLASS<T> m_Spin;
    T m_Min = T(), m_Max = T();
    T m_Step = T();
    int m_nType = -1;
    int m_bFloat = 0;
    int m_nDecimals = 0;
    int m_bTyping = 0;
    std::string m_strPending;
    DESC m_Desc = {0, nullptr, T(), T(), 0, T()};

private:
    // A limit that T cannot hold is -1 (all bits set in T).
    static T Limit(int code, int upper) {
        long long lo, hi;
        if (!EditValTypeLimits(code, &lo, &hi)) return static_cast<T>(-1);
        long long v = upper ? hi : lo;
        if (std::is_integral<T>::value) {
            const long long tmin = static_cast<long long>(std::numeric_limits<T>::min());
            const unsigned long long tmax = static_cast<unsigned long long>(std::numeric_limits<T>::max());
            if (v < tmin || (v > 0 && static_cast<unsigned long long>(v) > tmax)) return static_cast<T>(-1);
        }
        return static_cast<T>(v);
    }
    // Shows a number computed wider than T, clamped into the range first.
    void SetWide(long double value, int force) {
        if (value < static_cast<long double>(m_Min)) value = m_Min;
        if (value > static_cast<long double>(m_Max)) value = m_Max;
        SetValue(static_cast<T>(value), force);
    }
    long double EmptyValue() const {
        if (m_bFloat) return m_Min > 0 ? m_Min : 0;
        return m_Min >= 1 ? m_Min : 0;
    }
};

template <class T>
void CTRL_EDITVAL_CLASS<T>::Attach(DLG_CLASS* dlg, const DESC& desc) {
    m_nEditType = EDIT_NUMERIC;
    CTRL_CLASS::Attach(dlg, desc.id);
    RemoveStyle(ES_NUMBER);
    m_Desc = desc;
    m_pValue = desc.value;
    m_Min = desc.minimum;
    m_Max = desc.maximum;
    m_Step = desc.step;
    m_nDecimals = CountDecimals(static_cast<double>(desc.step));
    m_Spin.m_pEdit = this;
    if (desc.spinId) {
        m_Spin.Attach(dlg, desc.spinId);
        m_Spin.m_hBuddy = m_hWnd;
        m_Spin.m_pValue = desc.value;
        m_Spin.m_Step = desc.step;
        m_Spin.m_Min = desc.minimum;
        m_Spin.m_Max = desc.maximum;
        m_Spin.m_bSigned = std::is_floating_point<T>::value ? desc.minimum > 0 : desc.minimum < 0;
        SendMessageA(m_Spin.m_hWnd, UDM_SETRANGE32, static_cast<WPARAM>(static_cast<int>(desc.minimum)),
                     static_cast<LPARAM>(static_cast<int>(desc.maximum)));
        // Some up-downs read this style only when they are made: what keeps
        // them off the text is the refusal of each of their steps (OnNotify).
        m_Spin.RemoveStyle(UDS_SETBUDDYINT);
        SubclassSpin(m_Spin.m_hWnd);
    }
    m_nType = TypeName();
    m_bFloat = m_nType == EDITVAL_FLOAT || m_nType == EDITVAL_DOUBLE;
    SubclassEdit();
    m_bTyping = 0;
    if (m_pValue) SetValue(*m_pValue, 1);
}

template <class T>
void CTRL_EDITVAL_CLASS<T>::SetRange(T minimum, T maximum) {
    m_Min = minimum;
    m_Max = maximum;
    if (m_Spin.m_hWnd) {
        m_Spin.m_Min = minimum;
        m_Spin.m_Max = maximum;
        SendMessageA(m_Spin.m_hWnd, UDM_SETRANGE32, static_cast<WPARAM>(static_cast<int>(minimum)),
                     static_cast<LPARAM>(static_cast<int>(maximum)));
    }
}

template <class T>
T CTRL_EDITVAL_CLASS<T>::ParseText() {
    std::string text = GetText();
    NumberParse p;
    if (m_bFloat) {
        p = ParseRealText(text.c_str(), m_nDecimals, static_cast<double>(m_Min));
        m_bTyping = p.typing;
        m_strPending = p.pending;
        return static_cast<T>(p.real);
    }
    long long lo = 0, hi = 0;
    EditValTypeLimits(m_nType, &lo, &hi);
    p = ParseIntText(text.c_str(), lo, hi, static_cast<long long>(m_Min));
    m_bTyping = p.typing;
    m_strPending = p.pending;
    return static_cast<T>(p.value);
}

template <class T>
void CTRL_EDITVAL_CLASS<T>::SetValue(T value, int force) {
    T shown = value;
    Clamp(shown, m_Min, m_Max);
    int clamped = !(shown == value);
    if (m_bTyping) return;
    std::string text;
    if (!m_bFloat) {
        // A number put back into the range is shown as it now is, not as typed.
        text = !m_strPending.empty() && !clamped ? m_strPending : std::to_string(static_cast<long long>(shown));
    } else if (force || clamped) {
        text = FormatReal(static_cast<double>(shown), m_nDecimals);
    } else if (!m_strPending.empty()) {
        text = m_strPending;
    } else {
        return;
    }
    ::SetWindowTextA(m_hWnd, text.c_str());
}

template <class T>
void CTRL_EDITVAL_CLASS<T>::OnChange() {
    ParseText();
    if (m_bBusy) return;
    m_bBusy = 1;
    DWORD start, end;
    GetSel(&start, &end);
    T value = ParseText();
    if (!m_bTyping) SetValue(value, 0);
    SetSel(start, end);
    m_bBusy = 0;
}

template <class T>
void CTRL_EDITVAL_CLASS<T>::OnCommand() {
    if (m_bBusy) return;
    m_bBusy = 1;
    T value = ParseText();
    // Leaving the item shows the number in its clean form.
    m_strPending.clear();
    if (m_bTyping) {
        m_bTyping = 0;
        SetWide(EmptyValue(), 1);
    } else {
        SetValue(value, 1);
    }
    m_bBusy = 0;
}

template <class T>
int CTRL_EDITVAL_CLASS<T>::OnNotify(WPARAM, LPARAM lParam) {
    const NMHDR* hdr = reinterpret_cast<const NMHDR*>(lParam);
    if (!hdr || !m_Spin.m_hWnd || hdr->hwndFrom != m_Spin.m_hWnd || hdr->code != static_cast<UINT>(UDN_DELTAPOS))
        return 0;
    if (IsStrayStep(m_Spin.m_hWnd)) return 1;  // refused: the value stays
    Step(reinterpret_cast<const NMUPDOWN*>(lParam)->iDelta);
    return 1;  // the up-down's answer: it takes no step of its own
}

template <class T>
void CTRL_EDITVAL_CLASS<T>::Step(int delta) {
    long double value = static_cast<long double>(ParseText()) + static_cast<long double>(m_Step) * delta;
    m_bTyping = 0;
    m_strPending.clear();
    SetWide(value, 1);
}
