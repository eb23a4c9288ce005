#include "tekening.h"

#include "spel.h"
#include "ui/userpainter.h"

namespace angles {

void tekenHoek(ui::UserPainter& p, const Spel& spel, QPointF midden, double straal)
{
    const QColor rood(255, 0, 0);
    const QColor blauw(0, 0, 255);
    p.setSmooth(true);
    const int eind = spel.hoek.eindHoek();
    if (spel.veegHoek != eind)
        p.pie(midden.x(), midden.y(), straal, spel.veegHoek, eind - spel.veegHoek, rood, rood);
    for (const VeegStap& stap : spel.geveegd())
        p.pie(midden.x(), midden.y(), straal, stap.van, stap.tot - stap.van, blauw, Qt::black);
}

} // namespace angles
