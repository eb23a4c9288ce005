#pragma once
// The worksheet source of every exercise, each in its own folder.

#include "sheet.h"

#define TK_SHEET_SOURCE(ns)                                                                        \
    namespace ns {                                                                                 \
    std::vector<worksheet::Item> sheetItems(const catalogue::Exercise& e, int level, int count,    \
                                            common::Random& random);                               \
    }

TK_SHEET_SOURCE(angles)
TK_SHEET_SOURCE(percentages)
TK_SHEET_SOURCE(metric)
TK_SHEET_SOURCE(sums)
TK_SHEET_SOURCE(brackets)
TK_SHEET_SOURCE(factoring)
TK_SHEET_SOURCE(equations)
TK_SHEET_SOURCE(graphs)

#undef TK_SHEET_SOURCE
