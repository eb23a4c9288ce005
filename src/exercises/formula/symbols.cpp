#include "symbols.h"

namespace formula {

bool beginsFunctionName(char16_t first, char16_t second)
{
    static constexpr char16_t starts[][2] = {{u's', u'i'}, {u'c', u'o'}, {u't', u'a'}, {u'l', u'o'},
                                             {u'l', u'n'}, {u'a', u'b'}, {u'a', u's'}, {u'a', u'c'},
                                             {u'a', u't'}, {u'a', u'r'}, {u's', u'q'}};
    for (const auto& s : starts)
        if (s[0] == first && s[1] == second)
            return true;
    return false;
}

namespace {

struct Name {
    const char16_t* text;
    char16_t symbol;
};

constexpr Name threeLetterNames[] = {{u"sin", u's'}, {u"cos", u'c'}, {u"tan", u't'},
                                     {u"log", u'L'}, {u"sqr", u'w'}, {u"abs", u'a'},
                                     {u"asn", u'S'}, {u"acs", u'C'}, {u"atn", u'T'}};
constexpr Name sixLetterNames[] = {{u"arcsin", u'S'}, {u"arccos", u'C'}, {u"arctan", u'T'}};

bool matches(const char16_t* s, qsizetype n, char16_t first, const char16_t* name, int length)
{
    if (length > n || first != name[0])
        return false;
    for (int k = 1; k < length; ++k)
        if (s[k] != name[k])
            return false;
    return true;
}

} // namespace

FunctionName readFunctionName(const char16_t* s, qsizetype n, char16_t first)
{
    if (n > 1 && first == u'l' && s[1] == u'n')
        return {u'l', 2};
    for (const Name& f : threeLetterNames)
        if (matches(s, n, first, f.text, 3))
            return {f.symbol, 3};
    for (const Name& f : sixLetterNames)
        if (matches(s, n, first, f.text, 6))
            return {f.symbol, 6};
    return {};
}

} // namespace formula
