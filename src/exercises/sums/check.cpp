#include "exercises/sums/check.h"

#include "common/numbertext.h"

namespace sums {

using common::Str;

namespace {

// The right result as the player is told it. A sum's value is held in single
// precision, in tenths for a decimal sum.
QString expectedText(const Problem& p)
{
    if (p.mode.kind == 2)
        return Str(p.result());
    const double value = p.mode.tenths ? p.result() / 10 : p.result();
    return common::StrSingle(static_cast<float>(value));
}

} // namespace

run::Verdict check(const Problem& p, const QString& typed, int player)
{
    // Kept in double precision: a tenth narrowed to single precision times
    // 10 would miss the whole number for most tenths.
    const double typedValue = common::Val(common::commaToPoint(typed));
    const auto& l = p.row.labels;
    run::Verdict v;
    QString right;
    QString line;
    QString wrongText;
    if (p.mode.secondHidden) {
        v.right = typedValue == p.number2;
        right = Str(p.number2);
        line =
            l[0] + l[1] + QStringLiteral(" .... = ") + l[4] + QStringLiteral("    Antw: ") + typed;
        wrongText = QStringLiteral("   Fout ,het is ");
    } else {
        v.right = p.mode.tenths ? typedValue * 10 == p.result() : typedValue == p.result();
        right = expectedText(p);
        line = l[0] + l[1] + l[2] + QStringLiteral(" = ") + typed;
        wrongText =
            player == 2 ? QStringLiteral("   Fout ,het is ") : QStringLiteral("   Fout, het is ");
    }
    v.feedback = QStringLiteral("nee, het is ") + right;
    v.history = v.right ? line + QStringLiteral("   Goed") : line + wrongText + right;
    v.log = {v.history};
    return v;
}

} // namespace sums
