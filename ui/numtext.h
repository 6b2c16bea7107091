// Text rules of numbers as the toolkit shows and reads them: list-row
// numbering, the numeric edits' cleaning, parsing and full-width input.
// Window-free, so they also build natively.
#pragma once

#include <string>

#include "base/containers.h"

// Appends nothing: out becomes the value with at least minDigits digits.
// keepZeros 0 turns every leading '0' but the last character into a blank;
// plusSign 1 puts '+' before a non-negative value.
void FormatNumberEx(std::string& out, int value, int minDigits, int keepZeros, int plusSign);
void FormatNumber(std::string& out, int value, int minDigits);

// Digits after the point shown for a floating step (0.05 -> 2, 0.5 -> 1, 1.0 -> 0).
int CountDecimals(double step);

// Shift-JIS lead byte of code page 932.
bool IsSjisLeadByte(unsigned char c);

// The characters a numeric edit accepts as typed (WM_CHAR codes).
bool IsNumericEditChar(unsigned code);

// ASCII of a full-width digit, minus or full stop in Shift-JIS, else 0.
char FullWidthToAscii(unsigned char lead, unsigned char trail);

// The ASCII characters that an input-method result string gives a numeric
// edit: single-byte characters are skipped, full-width digits, minus and
// full stop become ASCII, other double-byte characters are dropped.
std::string FullWidthToAsciiText(const char* text);

// The edit text cleaned in place: double-byte characters go, '-' stays only
// as the first character, '.' and digits stay, everything else goes.
std::string CleanNumberText(const char* text);

// What reading an edit's text gives.
struct NumberParse {
    long long value = 0;  // integer instances
    double real = 0.0;    // the floating instance
    int typing = 0;       // 1: nothing numeric in the edit
    std::string pending;  // text to show back as typed, else empty
};

// Integer instances: the cleaned text converted, cut to [typeMin, typeMax];
// an edit without a number reads as minimum when that is at least 1, else 0.
NumberParse ParseIntText(const char* text, long long typeMin, long long typeMax, long long minimum);

// The floating instance: rounded to the step's decimals; the pending text is
// the cleaned text; an empty edit reads as minimum when above 0, else 0.
NumberParse ParseRealText(const char* text, int decimals, double minimum);

// The text a floating value is shown with.
std::string FormatReal(double value, int decimals);
