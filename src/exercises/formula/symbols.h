#pragma once
// The characters and symbols that both formula readers know: lower-casing,
// digits, the operators and their priorities, and the function names.

#include <QtGlobal>
#include <cstdint>

namespace formula {

// Reading limits: a longer postfix list or a deeper operator stack is a
// reading error.
inline constexpr int maxTokens = 150;
inline constexpr int maxStack = 50;

// Only the letters A-Z are lowered; every other character stays as it is.
constexpr char16_t lowerAscii(char16_t c)
{
    return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c;
}

constexpr bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

constexpr bool isOperatorSymbol(char16_t c)
{
    return c == u'+' || c == u'-' || c == u'/' || c == u'*' || c == u'^';
}

// How tightly a symbol on the operator stack binds. "*" binds tighter than
// "/"; every function symbol has priority 2 and "(" has 0.
constexpr int priority(char16_t symbol)
{
    switch (symbol) {
    case u'+':
    case u'-':
        return 1;
    case u'/':
        return 3;
    case u'*':
        return 4;
    case u'^':
        return 5;
    case u'(':
        return 0;
    default:
        return 2;
    }
}

// Whether two characters are one of the two-letter starts of a function
// name ("si", "co", "ta", "lo", "ln", "ab", "as", "ac", "at", "ar", "sq").
bool beginsFunctionName(char16_t first, char16_t second);

// A function name read from a text.
struct FunctionName {
    char16_t symbol = 0; // 0: no function name here
    int length = 0;
};

// The function name that begins at s[0], where `first` is s[0] lowered:
// "ln", then the three-letter names, then "arcsin", "arccos" and "arctan".
// Only the first letter may be upper case.
FunctionName readFunctionName(const char16_t* s, qsizetype n, char16_t first);

// The end of the run of digits and points that begins at s[from].
inline qsizetype numberEnd(const char16_t* s, qsizetype n, qsizetype from)
{
    while (from < n && (isDigit(s[from]) || s[from] == u'.'))
        ++from;
    return from;
}

} // namespace formula
