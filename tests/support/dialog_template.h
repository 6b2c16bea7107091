// A dialog template as the resources hold it: size, font and every control's
// rectangle in dialog units, read from the running program's resources. The
// layout tests compare these with the places the dialogs are known by.
#pragma once

#include <windows.h>

#include <cctype>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace dialog_template {

struct Item {
    int id = 0;
    std::string kind;  // "Button", "Edit", "Static", "ListBox", "ScrollBar", "ComboBox" or the class name in lower case
    std::string text;
    DWORD style = 0;
    DWORD exStyle = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
};

struct Template {
    bool found = false;
    DWORD style = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
    std::string caption;
    int pointSize = 0;
    std::string font;
    std::vector<Item> items;

    // The items with this id, in template order (statics share theirs).
    std::vector<const Item*> WithId(int wanted) const {
        std::vector<const Item*> out;
        for (const Item& item : items)
            if (item.id == wanted) out.push_back(&item);
        return out;
    }
    // The item whose text reads so (the first), or null.
    const Item* WithText(const std::string& wanted) const {
        for (const Item& item : items)
            if (item.text == wanted) return &item;
        return nullptr;
    }
};

class Reader {
public:
    Reader(const BYTE* at, const BYTE* end) : m_at(at), m_end(end) {}
    bool Ok() const { return m_ok; }
    WORD Word() {
        WORD w = 0;
        Take(&w, sizeof(w));
        return w;
    }
    DWORD Dword() {
        DWORD d = 0;
        Take(&d, sizeof(d));
        return d;
    }
    short Short() { return static_cast<short>(Word()); }
    // A string or an ordinal ("#n" for an ordinal, "" for none).
    std::string StringOrOrdinal(WORD* ordinal = nullptr) {
        if (ordinal) *ordinal = 0;
        const WORD first = Peek();
        if (first == 0xFFFF) {
            Word();
            const WORD n = Word();
            if (ordinal) *ordinal = n;
            return "#" + std::to_string(n);
        }
        return String();
    }
    std::string String() {
        std::wstring wide;
        for (WORD c = Word(); m_ok && c != 0; c = Word()) wide += static_cast<wchar_t>(c);
        if (wide.empty()) return std::string();
        const int size =
            WideCharToMultiByte(932, 0, wide.c_str(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
        std::string out(static_cast<size_t>(size), '\0');
        WideCharToMultiByte(932, 0, wide.c_str(), static_cast<int>(wide.size()), &out[0], size, nullptr, nullptr);
        return out;
    }
    void Skip(size_t bytes) {
        if (static_cast<size_t>(m_end - m_at) < bytes) {
            m_ok = false;
            m_at = m_end;
            return;
        }
        m_at += bytes;
    }
    void AlignDword(const BYTE* base) {
        const size_t offset = static_cast<size_t>(m_at - base);
        Skip((4 - offset % 4) % 4);
    }

private:
    WORD Peek() const {
        WORD w = 0;
        if (m_end - m_at >= 2) memcpy(&w, m_at, sizeof(w));
        return w;
    }
    void Take(void* out, size_t bytes) {
        if (static_cast<size_t>(m_end - m_at) < bytes) {
            m_ok = false;
            m_at = m_end;
            return;
        }
        memcpy(out, m_at, bytes);
        m_at += bytes;
    }
    const BYTE* m_at;
    const BYTE* m_end;
    bool m_ok = true;
};

inline std::string KindOf(WORD ordinal, const std::string& name) {
    switch (ordinal) {
    case 0x80: return "Button";
    case 0x81: return "Edit";
    case 0x82: return "Static";
    case 0x83: return "ListBox";
    case 0x84: return "ScrollBar";
    case 0x85: return "ComboBox";
    default: {
        // Class names are kept as written or upper-cased, depending on the resource compiler.
        std::string lower = name;
        for (char& c : lower) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
        return lower;
    }
    }
}

// Reads dialog `id` (an extended template) from `module`'s resources.
inline Template Load(int id, HMODULE module = GetModuleHandleA(nullptr)) {
    Template out;
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5) /* RT_DIALOG */);
    if (!found) return out;
    HGLOBAL loaded = LoadResource(module, found);
    const BYTE* base = loaded ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
    if (!base) return out;
    Reader in(base, base + SizeofResource(module, found));
    if (in.Word() != 1 || in.Word() != 0xFFFF) return out;  // not an extended template
    in.Dword();                                             // help id
    in.Dword();                                             // extended style
    out.style = in.Dword();
    const WORD count = in.Word();
    out.x = in.Short();
    out.y = in.Short();
    out.cx = in.Short();
    out.cy = in.Short();
    in.StringOrOrdinal();  // menu
    in.StringOrOrdinal();  // window class
    out.caption = in.String();
    if (out.style & (DS_SETFONT | DS_SHELLFONT)) {
        out.pointSize = in.Word();
        in.Word();   // weight
        in.Skip(2);  // italic, character set
        out.font = in.String();
    }
    for (WORD i = 0; i < count && in.Ok(); ++i) {
        in.AlignDword(base);
        Item item;
        in.Dword();  // help id
        item.exStyle = in.Dword();
        item.style = in.Dword();
        item.x = in.Short();
        item.y = in.Short();
        item.cx = in.Short();
        item.cy = in.Short();
        item.id = static_cast<int>(in.Dword());
        WORD ordinal = 0;
        const std::string name = in.StringOrOrdinal(&ordinal);
        item.kind = KindOf(ordinal, name);
        item.text = in.StringOrOrdinal();
        in.Skip(in.Word());  // creation data
        out.items.push_back(item);
    }
    out.found = in.Ok();
    return out;
}

}  // namespace dialog_template
