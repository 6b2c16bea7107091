#include "ui/list_rules.h"

#include "ui/numtext.h"

namespace {

const unsigned kDeleteKey = 0x2E;  // VK_DELETE

const struct {
    unsigned key;
    int ctrl;
} kShortcuts[LIST_CMD_COUNT] = {{'X', 1}, {'C', 1}, {'V', 1}, {'I', 1}, {'I', 1}, {kDeleteKey, 0}, {kDeleteKey, 0}};

}  // namespace

bool IsListShortcut(int slot, unsigned key, int ctrlHeld) {
    if (slot < 0 || slot >= LIST_CMD_COUNT) return false;
    return key == kShortcuts[slot].key && (!kShortcuts[slot].ctrl || ctrlHeld);
}

std::string MakeListRow(int index, int firstShown, int shownCount, int numbered, const std::string& text) {
    if (!numbered) return text;
    std::string number;
    FormatNumber(number, index - firstShown + 1, CountDigits(shownCount));
    return number + " " + text;
}
