#include "database/media/media_rules.h"

#include <climits>

#include "base/paths.h"
#include "ui/numtext.h"

namespace {

// " X+8", " X-4" or nothing for 0.
void AppendMove(std::string& text, const char* axis, int value) {
    if (value > 0)
        text += std::string(" ") + axis + "+" + std::to_string(value);
    else if (value < 0)
        text += std::string(" ") + axis + std::to_string(value);
}

template <class Frame>
void FormatMoves(std::string& text, const Frame& frame) {
    text = std::to_string(frame.nCel) + "-" + std::to_string(frame.nTime);
    AppendMove(text, "X", frame.nMoveX);
    AppendMove(text, "Y", frame.nMoveY);
}

}  // namespace

int NameFromFile(const std::string& path, std::string* name) {
    std::string file = path;
    StripFolderPartStr(file);
    if (!RemoveExtensionStr(file)) return 0;
    *name = file;
    return 1;
}

void FormatCharaAnimRow(std::string& text, int, const cCharaAnim& frame) {
    FormatMoves(text, frame);
    if (frame.bEffectStart) text += " エフェクト開始";
}

void FormatEffectAnimPatRow(std::string& text, int, const cEffectAnim& frame) { FormatMoves(text, frame); }

int EditTextNumber(const std::string& text, int minimum) {
    return static_cast<int>(ParseIntText(text.c_str(), INT_MIN, INT_MAX, minimum).value);
}
