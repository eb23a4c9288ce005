#include "exercises/sums/check.h"

#include "common/numbertext.h"

namespace sums {

using common::Str;

namespace {

// The right result as the player is told it. A sum's value is held in single
// precision, in tenths for a decimal sum.
QString expectedText(const Problem& p)
{
    if (p.mode.soort == 2)
        return Str(p.result());
    const double value = p.mode.kommagetal ? p.result() / 10 : p.result();
    return common::StrSingle(static_cast<float>(value));
}

} // namespace

run::Verdict controleer(const Problem& p, const QString& getypt, int speler)
{
    // Kept in double precision: a tenth narrowed to single precision times
    // 10 would miss the whole number for most tenths.
    const double typed = common::Val(common::commaToPoint(getypt));
    const auto& l = p.row.labels;
    run::Verdict v;
    QString juist;
    QString line;
    QString wrong;
    if (p.mode.ontbrekend) {
        v.goed = typed == p.getal2;
        juist = Str(p.getal2);
        line =
            l[0] + l[1] + QStringLiteral(" .... = ") + l[4] + QStringLiteral("    Antw: ") + getypt;
        wrong = QStringLiteral("   Fout ,het is ");
    } else {
        v.goed = p.mode.kommagetal ? typed * 10 == p.result() : typed == p.result();
        juist = expectedText(p);
        line = l[0] + l[1] + l[2] + QStringLiteral(" = ") + getypt;
        wrong =
            speler == 2 ? QStringLiteral("   Fout ,het is ") : QStringLiteral("   Fout, het is ");
    }
    v.fout = QStringLiteral("nee, het is ") + juist;
    v.historie = v.goed ? line + QStringLiteral("   Goed") : line + wrong + juist;
    v.verslag = {v.historie};
    return v;
}

} // namespace sums
