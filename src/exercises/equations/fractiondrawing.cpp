#include "fractiondrawing.h"

#include "equation.h"
#include "ui/userpainter.h"

namespace equations {

void drawFraction(ui::UserPainter& p, const Equation& v)
{
    for (const FractionLine& r : fractionLines(v)) {
        p.moveTo(0, r.height);
        p.print(r.text);
    }
}

} // namespace equations
