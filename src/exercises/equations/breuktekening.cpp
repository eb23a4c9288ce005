#include "breuktekening.h"

#include "ui/userpainter.h"
#include "vergelijking.h"

namespace equations {

void tekenBreuk(ui::UserPainter& p, const Vergelijking& v)
{
    for (const Breukregel& r : breukregels(v)) {
        p.moveTo(0, r.hoogte);
        p.print(r.tekst);
    }
}

} // namespace equations
