#pragma once
// The worked solution of an equation, shown after a wrong answer: the
// equation solved step by step by the method of its level, in a message box
// whose title names the method.

#include "equation.h"

#include <QString>

namespace equations {

struct Explanation {
    QString title;
    QString text; // lines separated by CR
};

Explanation explain(const Equation& v);

} // namespace equations
