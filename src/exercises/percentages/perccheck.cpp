#include "perccheck.h"

#include "common/numbertext.h"

#include <cmath>

namespace percentages {

namespace {

const QString cr(QChar(13));
const QString crlf = QStringLiteral("\r\n");

// The problem restated, as the history and results lines begin. The spacing
// before the answer differs per kind and between right and wrong.
struct Question {
    QString historyLine;
    QString resultsLine;
};

Question question(const Problem& o, bool right)
{
    const QString& p = o.text1;
    const QString& q = o.text2;
    const QString r = common::Str(100 + o.percent);
    switch (o.kind) {
    case 1: {
        const QString v = QStringLiteral("100 % = ") + p + QStringLiteral("  Hoeveel % is ") + q;
        return {v + QStringLiteral(" ?"),
                v + (right ? QStringLiteral(" ?     ") : QStringLiteral(" ?   "))};
    }
    case 3: {
        const QString v = QStringLiteral("100 % = ") + p + QStringLiteral("  Hoeveel is ") + r;
        return {v + QStringLiteral("% ?"),
                v + (right ? QStringLiteral("% ?     ") : QStringLiteral("% ?       "))};
    }
    case 2:
    case 4: {
        const QString v = (o.kind == 2 ? QStringLiteral("oud + ") : QStringLiteral("oud - ")) + q +
                          QStringLiteral(" % is ") + p;
        if (right)
            return {v + QStringLiteral("    Oude prijs ?"), v + QStringLiteral("    Oude prijs ?")};
        return {v + QStringLiteral(" Oude prijs ?"),
                v + (o.kind == 2 ? QStringLiteral(" Oude prijs ?   ")
                                 : QStringLiteral(" Oude prijs ?    "))};
    }
    default: {
        const QString historyLine = QStringLiteral("oud=") + q + QStringLiteral(" nieuw=") + p;
        const QString resultsLine =
            QStringLiteral("oud = ") + q + QStringLiteral("   nieuw = ") + p;
        if (right)
            return {historyLine + QStringLiteral("   Perc. prijsverh?"),
                    resultsLine + QStringLiteral(" Perc. prijsverhoging ?")};
        return {historyLine + QStringLiteral(" Perc. prijsverh?"),
                resultsLine + QStringLiteral(" Perc. prijsverhoging ?     ")};
    }
    }
}

// Whether the results line keeps the problem and the answer on two lines.
bool logOnTwoLines(int kind, bool right)
{
    return right && kind != 1 && kind != 3;
}

} // namespace

run::Verdict check(const Problem& o, const QString& typed)
{
    const QString t = common::commaToPoint(typed);
    run::Verdict verdict;
    verdict.right = std::fabs(common::Val(t) - o.answer) < 0.0001;
    const Question v = question(o, verdict.right);

    QString answerPart;
    if (verdict.right) {
        answerPart = t + QLatin1Char(' ') +
                     (o.kind == 5 ? QStringLiteral("    Goed") : QStringLiteral("   Goed"));
    } else {
        verdict.feedback = QStringLiteral("nee, het is ") + o.answerText;
        answerPart = (o.kind == 1 || o.kind == 3 ? t : t + QLatin1Char(' ')) +
                     QStringLiteral("     Fout ,het is ") + o.answerText +
                     (o.kind == 3 ? QStringLiteral(" ") : QString());
    }
    // The history line always keeps the answer on a line of its own.
    const QString historyAnswer =
        verdict.right ? t + QLatin1Char(' ') + QStringLiteral("   Goed") : answerPart;
    verdict.history = v.historyLine + cr + historyAnswer;
    verdict.log = logOnTwoLines(o.kind, verdict.right) ? QStringList{v.resultsLine, answerPart}
                                                       : QStringList{v.resultsLine + answerPart};
    return verdict;
}

} // namespace percentages
