#include "ui/text_rules.h"

#include <algorithm>
#include <vector>

#include "base/paths.h"

namespace {

bool IsPair(const unsigned char* p) { return p[0] && p[1] && IsDoubleByteChar(p[0], p[1]); }

// Byte offsets where a character of text[from, to) starts, and `to` itself.
std::vector<size_t> CharBoundaries(const std::string& text, size_t from, size_t to) {
    std::vector<size_t> cuts;
    const auto* p = reinterpret_cast<const unsigned char*>(text.c_str());
    size_t i = from;
    while (i < to) {
        cuts.push_back(i);
        i += (i + 1 < to && IsPair(p + i)) ? 2 : 1;
    }
    cuts.push_back(to);
    return cuts;
}

int Measure(const std::string& text, size_t from, size_t to, int countChars) {
    if (!countChars) return static_cast<int>(to - from);
    return CountTextChars(text.substr(from, to - from).c_str());
}

// Moves a selection end that lies after `at` by `delta` bytes (negative: the
// bytes from `at` on were removed, so it stops at `at`).
void ShiftSel(int& sel, size_t at, long delta) {
    if (sel <= static_cast<long>(at)) return;
    long moved = sel + delta;
    sel = static_cast<int>(moved < static_cast<long>(at) ? static_cast<long>(at) : moved);
}

size_t LineEnd(const std::string& text, size_t from) {
    size_t end = text.find("\r\n", from);
    return end == std::string::npos ? text.size() : end;
}

std::vector<size_t> LineStarts(const std::string& text) {
    std::vector<size_t> starts(1, 0);
    for (size_t end = LineEnd(text, 0); end < text.size(); end = LineEnd(text, end + 2)) starts.push_back(end + 2);
    return starts;
}

size_t LineOf(const std::vector<size_t>& starts, size_t pos) {
    return static_cast<size_t>(std::upper_bound(starts.begin(), starts.end(), pos) - starts.begin()) - 1;
}

int MeasureLine(const std::string& text, const std::vector<size_t>& starts, size_t line, int countChars) {
    return Measure(text, starts[line], LineEnd(text, starts[line]), countChars);
}

// The start of the character that holds byte `pos` of a line starting at `from`.
size_t CharStart(const std::string& text, size_t from, size_t pos) {
    const auto* p = reinterpret_cast<const unsigned char*>(text.c_str());
    size_t i = from;
    while (i < pos) {
        size_t next = i + (IsPair(p + i) ? 2 : 1);
        if (next > pos) return i;
        i = next;
    }
    return pos;
}

// How long each line of `typed` may be. A line typed anew keeps to `lineLen`;
// one holding part of an over-long line of `previous` (a stored text) may be
// as long as that line less what of it went to other lines. So a stored line
// stays whole until edited and then may shrink but never grow, and a long
// line opens no other.
std::vector<int> LineAllowances(const std::string& typed, const std::string& previous, int lineLen, int countChars) {
    const std::vector<size_t> ts = LineStarts(typed), ps = LineStarts(previous);
    // The change is what lies between the common head and the common tail.
    const size_t common = std::min(typed.size(), previous.size());
    size_t p = 0;
    while (p < common && typed[p] == previous[p]) ++p;
    size_t s = 0;
    while (s < common - p && typed[typed.size() - 1 - s] == previous[previous.size() - 1 - s]) ++s;
    p = std::min(CharStart(previous, ps[LineOf(ps, p)], p), CharStart(typed, ts[LineOf(ts, p)], p));
    size_t prevEnd = previous.size() - s, typedEnd = typed.size() - s;
    if (CharStart(previous, ps[LineOf(ps, prevEnd)], prevEnd) < prevEnd) ++prevEnd, ++typedEnd;
    const size_t a = LineOf(ps, p), b = LineOf(ps, prevEnd), last = LineOf(ts, typedEnd);

    std::vector<int> allow(ts.size(), lineLen);
    for (size_t k = 0; k < ts.size(); ++k)
        if (k < a || k > last) allow[k] = std::max(lineLen, MeasureLine(typed, ts, k, countChars));
    const int lengthA = MeasureLine(previous, ps, a, countChars), lengthB = MeasureLine(previous, ps, b, countChars);
    if (last == a) {
        allow[a] = std::max(lineLen, std::max(lengthA, lengthB));
    } else if (a == b) {
        // A break typed into one line: its head stays above, its tail goes below.
        const int head = Measure(previous, ps[a], p, countChars);
        const int tail = Measure(previous, prevEnd, LineEnd(previous, prevEnd), countChars);
        allow[a] = std::max(lineLen, lengthA - tail);
        allow[last] = std::max(lineLen, lengthA - head);
    } else {
        allow[a] = std::max(lineLen, lengthA);
        allow[last] = std::max(lineLen, lengthB);
    }
    return allow;
}

}  // namespace

bool ParseRefCode(const char* text, std::string& digits) {
    digits.clear();
    const auto* p = reinterpret_cast<const unsigned char*>(text);
    if (p[0] != '#' || (p[1] != 'P' && p[1] != 'p')) return false;
    for (size_t i = 2; p[i]; ++i) {
        if (IsPair(p + i)) continue;  // the lead byte; its trail byte ends the scan
        if (p[i] >= '0' && p[i] <= '9')
            digits += static_cast<char>(p[i]);
        else if (p[i] != '.')
            break;
    }
    return !digits.empty();
}

int CountTextChars(const char* text) {
    const auto* p = reinterpret_cast<const unsigned char*>(text);
    int count = 0;
    std::string digits;
    for (size_t i = 0; p[i];) {
        if (IsPair(p + i)) {
            ++count;
            i += 2;
        } else if (ParseRefCode(text + i, digits)) {
            ++count;
            i += 2 + digits.size();
            if (p[i] == '.') ++i;
        } else {
            if (p[i] != '\n') ++count;
            ++i;
        }
    }
    return count;
}

int CountTextLines(const std::string& text) {
    if (text.empty()) return 0;
    int lines = 1;
    for (char c : text)
        if (c == '\n') ++lines;
    return lines;
}

std::string CutToCharBoundary(const std::string& text, size_t bytes) {
    if (text.size() <= bytes) return text;
    std::vector<size_t> cuts = CharBoundaries(text, 0, text.size());
    size_t keep = 0;
    for (size_t c : cuts)
        if (c <= bytes) keep = c;
    return text.substr(0, keep);
}

EDIT_TEXT CheckEditLimits(const EDIT_TEXT& typed, const EDIT_TEXT& previous, const EDIT_LIMITS& limits, int setup,
                          int backspaceHeld) {
    const int countChars = limits.countChars;
    const int buffer = countChars ? 2 * limits.maxBytes - 1 : limits.maxBytes;
    EDIT_TEXT out = typed;
    out.text = CutToCharBoundary(typed.text, buffer > 0 ? static_cast<size_t>(buffer - 1) : 0);
    std::string& t = out.text;

    if (limits.lineLen > 0 || limits.maxLines > 0) {
        const std::vector<int> allow =
            limits.lineLen > 0 ? LineAllowances(t, previous.text, limits.lineLen, countChars) : std::vector<int>();
        const bool joined = backspaceHeld && typed.selStart == typed.selEnd && t.size() + 2 == previous.text.size() &&
                            CountTextLines(t) < CountTextLines(previous.text);
        if (joined) {
            // A line break was just deleted: the joined line must stay below the limit.
            size_t caret = static_cast<size_t>(out.selStart) < t.size() ? static_cast<size_t>(out.selStart) : t.size();
            size_t from = caret ? t.rfind('\n', caret - 1) : std::string::npos;
            from = from == std::string::npos ? 0 : from + 1;
            size_t to = t.find_first_of("\r\n", caret);
            if (to == std::string::npos) to = t.size();
            if (limits.lineLen > 0 && Measure(t, from, to, countChars) >= allow[LineOf(LineStarts(t), from)])
                return previous;
        } else if (limits.lineLen > 0) {
            size_t pos = 0;
            size_t k = 0;       // the line of `t` as it came
            bool rest = false;  // the line is the rest of one broken above: typed anew
            for (int line = 0; line < limits.maxLines || limits.maxLines <= 0; ++line) {
                size_t end = LineEnd(t, pos);
                const int allowed = rest || k >= allow.size() ? limits.lineLen : allow[k];
                rest = false;
                if (Measure(t, pos, end, countChars) > allowed) {
                    std::vector<size_t> cuts = CharBoundaries(t, pos, end);
                    size_t cut = pos;
                    for (size_t c : cuts)
                        if (Measure(t, pos, c, countChars) <= allowed) cut = c;
                    if (countChars) {
                        // The rest continues on a new line; the caret after it moves along.
                        t.insert(cut, "\r\n");
                        ShiftSel(out.selStart, cut, 2);
                        ShiftSel(out.selEnd, cut, 2);
                        end = cut;
                        rest = true;
                    } else {
                        t.erase(cut, end - cut);
                        ShiftSel(out.selStart, cut, -static_cast<long>(end - cut));
                        ShiftSel(out.selEnd, cut, -static_cast<long>(end - cut));
                        end = cut;
                    }
                }
                if (end >= t.size()) break;
                pos = end + 2;
                if (!rest) ++k;
            }
        }
        if (limits.maxLines > 0 && CountTextLines(t) > limits.maxLines) {
            if (!setup) return previous;
            size_t pos = 0;
            for (int line = 1; line < limits.maxLines; ++line) pos = t.find('\n', pos) + 1;
            size_t end = t.find('\n', pos);
            if (end != std::string::npos) t.erase(end > pos && t[end - 1] == '\r' ? end - 1 : end);
        }
    }

    const int size = static_cast<int>(t.size());
    if (out.selStart > size) out.selStart = size;
    if (out.selEnd > size) out.selEnd = size;
    if (out.selStart < 0) out.selStart = 0;
    if (out.selEnd < out.selStart) out.selEnd = out.selStart;
    // A caret between the two bytes of a line break goes past it.
    if (out.selStart > 0 && out.selStart < size && t[out.selStart] == '\n' && t[out.selStart - 1] == '\r') {
        ++out.selStart;
        if (out.selEnd < out.selStart) out.selEnd = out.selStart;
    }
    return out;
}

EDIT_LIMITS FitEditLimits(const std::string& text, const EDIT_LIMITS& limits) {
    EDIT_LIMITS fit = limits;
    const int bytes = static_cast<int>(text.size());
    // The text keeps one byte less than its buffer (2 x maxBytes - 1 when counting characters).
    const int needed = limits.countChars ? (bytes + 1) / 2 + 1 : bytes + 1;
    if (fit.maxBytes < needed) fit.maxBytes = needed;
    const int lines = CountTextLines(text);
    if (limits.maxLines > 0 && fit.maxLines < lines) fit.maxLines = lines;
    return fit;
}

std::string ToEditText(const std::string& text) {
    std::string out;
    out.reserve(text.size() + 8);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
        out += text[i];
    }
    return out;
}

std::string FromEditText(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) out += text[i];
    return out;
}

int CharPosToByte(const std::string& text, int chars) {
    const auto* p = reinterpret_cast<const unsigned char*>(text.c_str());
    size_t i = 0;
    for (int n = 0; n < chars && i < text.size(); ++n) i += IsPair(p + i) ? 2 : 1;
    return static_cast<int>(i);
}

int BytePosToChar(const std::string& text, int bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(text.c_str());
    int chars = 0;
    for (size_t i = 0; i < text.size() && static_cast<int>(i) < bytes; ++chars) i += IsPair(p + i) ? 2 : 1;
    return chars;
}
