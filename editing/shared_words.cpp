#include "editing/shared_words.h"

const char* const g_WordCompare[] = {
    "である", "でない", "以上", "以下", "より上", "より下", "の倍数である", "の倍数でない", "",
};

const char* const g_WordOperator[] = {"＝", "＋", "－", "×", "÷", "÷ X の余り", "X ％", ""};

const char* const g_WordAlternate[] = {"交互", "連続", ""};

const char kMissingName[] = "？";

int WordCount(const char* const* words) {
    int n = 0;
    while (words && words[n] && words[n][0]) ++n;
    return n;
}

const char* WordAt(const char* const* words, int index) {
    if (index < 0) return "";
    for (int i = 0; words && words[i] && words[i][0]; ++i)
        if (i == index) return words[i];
    return "";
}
