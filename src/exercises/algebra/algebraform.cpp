#include "algebraform.h"

#include "texts.h"
#include "ui/accessible.h"
#include "ui/twips.h"

#include <QFontMetricsF>

namespace {
constexpr int columnWidth = 3400;
constexpr int instructionHeight = 480;
constexpr int lineHeight = 400;
constexpr int answerLabelWidth = 560;

QString hint(const QString& name, char squareLetter, char cubeLetter)
{
    return QStringLiteral(" ") + name + QStringLiteral(":   Voer ") + QLatin1Char(squareLetter) +
           algebra::squareSign + QStringLiteral("  in  als  ") + QLatin1Char(squareLetter) +
           QStringLiteral("^2   en ") + QLatin1Char(cubeLetter) + algebra::cubeSign +
           QStringLiteral("  als ") + QLatin1Char(cubeLetter) + QStringLiteral("^3");
}
// Breaks each line of a text for a picture area that is narrower than the
// line: at the last blank that still fits (or, with none, inside the word),
// the rest going on in an indented line.
QString wrapped(const QString& text, const QFontMetricsF& fm, double maxWidth)
{
    const QString indent = QStringLiteral("      ");
    QStringList lines;
    for (QString line : text.split(QLatin1Char('\r'))) {
        bool continued = false;
        while (fm.horizontalAdvance(line) > maxWidth) {
            qsizetype fitted = 1;
            while (fitted < line.size() && fm.horizontalAdvance(line.left(fitted + 1)) <= maxWidth)
                ++fitted;
            const qsizetype space = line.lastIndexOf(QLatin1Char(' '), fitted);
            const qsizetype cut = space > indent.size() ? space : fitted;
            lines << line.left(cut);
            line = indent + line.mid(cut).trimmed();
            continued = true;
            if (line.trimmed().isEmpty())
                break;
        }
        if (!continued || !line.trimmed().isEmpty())
            lines << line;
    }
    return lines.join(QLatin1Char('\r'));
}

} // namespace

AlgebraForm::AlgebraForm(const char* id, const run::Session& session, const QString& instruction)
    : RunForm(id, session)
{
    QFont large = font();
    large.setPointSizeF(11);
    for (int player = 1; player <= 2; ++player) {
        const int x = left(player);
        auto* label =
            new ui::Label(this, instruction, x, problemTop - 40, columnWidth, instructionHeight);
        label->setWordWrap(true);
        auto* problem = new ui::Label(this, QString(), x, problemTop + instructionHeight,
                                      columnWidth, lineHeight);
        problem->setFont(large);
        problem->setKind(ui::kindProblem);
        label->setKind(ui::kindPrompt);
        const int answerTop = problemTop + instructionHeight + lineHeight + 100;
        auto* answer = new ui::Label(this, QStringLiteral("Antw:"), x, answerTop, answerLabelWidth,
                                     lineHeight);
        ui::TextBox* box = answerBox(player);
        ui::setGeometryTw(box, x + answerLabelWidth, answerTop, columnWidth - answerLabelWidth,
                          lineHeight);
        box->setFont(large);
        if (player == 1) {
            instructionLabel1 = label, problemLabel1 = problem, answerLabel1 = answer;
        } else {
            instructionLabel2 = label, problemLabel2 = problem, answerLabel2 = answer;
        }
    }
}

void AlgebraForm::startRun()
{
    problemLabel1->clear();
    problemLabel2->clear();
    // The picture areas start with a hint on typing powers instead of the
    // bare name.
    historyArea1->clear();
    historyArea1->print(fitted(1, hint(session().name(1), 'x', 'p')));
    if (twoPlayers()) {
        historyArea2->clear();
        historyArea2->print(fitted(2, hint(session().name(2), 'a', 't')));
    }
    instructionLabel2->setVisible(twoPlayers());
    answerLabel2->setVisible(twoPlayers());
}

void AlgebraForm::showProblem(int player, const QString& text)
{
    problemLabel(player)->setCaption(text);
}

QString AlgebraForm::problemSentence(int player) const
{
    const ui::Label* instruction = player == 1 ? instructionLabel1 : instructionLabel2;
    QString sentence = instruction->caption().simplified();
    if (sentence.endsWith(QLatin1Char(':')))
        sentence.chop(1);
    return sentence + QStringLiteral(": ") + problemLabel(player)->caption().simplified() +
           QStringLiteral(", Antw: …");
}

run::Verdict AlgebraForm::verdict(int player, bool right, const QString& given, const QString& text,
                                  const QString& answer)
{
    answerBox(player)->setText(given);
    run::Verdict v = right ? algebra::rightVerdict(text, given, player)
                           : algebra::wrongVerdict(text, given, answer);
    v.history = fitted(player, v.history);
    return v;
}

QString AlgebraForm::fitted(int player, const QString& text) const
{
    const ui::PictureBox* p = historyArea(player);
    return wrapped(text, QFontMetricsF(p->font()), p->width() - 4);
}
