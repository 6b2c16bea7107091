// Text rules of the string edits and of the game's texts: characters as the
// game counts them ("#P" symbol codes count one), line counts, and the limits
// a string edit keeps while the user types. Window-free, so they also build
// natively.
#pragma once

#include <string>

// A "#P" or "#p" code at `text`: the digits after it go to `digits` (a
// double-byte lead byte and "." are skipped, any other byte ends the scan).
// True when at least one digit was found.
bool ParseRefCode(const char* text, std::string& digits);

// Characters as the game counts them: a double-byte character counts 1, a
// "#P" code with its digits and one following "." counts 1, a line feed
// counts 0, every other byte counts 1.
int CountTextChars(const char* text);

// 1 plus the number of line feeds; 0 for an empty text.
int CountTextLines(const std::string& text);

// The longest head of `text` of at most `bytes` bytes that does not end in
// the lead byte of a double-byte character.
std::string CutToCharBoundary(const std::string& text, size_t bytes);

// The limits of a string edit. maxBytes is the size of the buffer the text is
// read with (the text keeps one byte less); with countChars that buffer is
// 2 x maxBytes - 1, line lengths are counted with CountTextChars and an
// over-long line continues on a new line instead of being cut off.
struct EDIT_LIMITS {
    int maxBytes;
    int lineLen;
    int maxLines;
    int countChars;
};

// A text as an edit holds it (lines end in "\r\n") with its selection (bytes).
struct EDIT_TEXT {
    std::string text;
    int selStart = 0;
    int selEnd = 0;
};

// The text and selection the edit shows after the user (or, with `setup`,
// the program) changed it to `typed`; `previous` is the last text accepted.
// Each line keeps to the line length, except that a line of `previous`
// beyond it (a stored one) stays whole until edited and then may shrink but
// never grow; other lines keep the limit. A change that leaves more lines
// than allowed, or a Backspace that joins two lines into one too long, gives
// `previous` back; during set-up surplus lines are cut instead.
EDIT_TEXT CheckEditLimits(const EDIT_TEXT& typed, const EDIT_TEXT& previous, const EDIT_LIMITS& limits, int setup,
                          int backspaceHeld);

// The limits under which `text` (as the edit holds it) passes whole: the
// read buffer and the number of lines raised where the text goes beyond
// them, never lowered; the line length stays, as each line is held to its
// own (CheckEditLimits). A stored text is shown under these; what the user
// types then shrinks them back.
EDIT_LIMITS FitEditLimits(const std::string& text, const EDIT_LIMITS& limits);

// Edit positions: some edits count a double-byte character as one position,
// others as two bytes. These convert a position of one kind to the other.
int CharPosToByte(const std::string& text, int chars);
int BytePosToChar(const std::string& text, int bytes);

// Display and storage forms of multi-line text whose records keep "\n"
// alone: the edit shows "\r\n" for every line feed.
std::string ToEditText(const std::string& text);
std::string FromEditText(const std::string& text);
