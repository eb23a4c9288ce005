#include "factoringform.h"

#include "common/random.h"
#include "ui/messagebox.h"

FactoringForm::FactoringForm(const run::Session& session)
    : AlgebraForm("ontbinden", session, QStringLiteral("Ontbind:"))
{
}

void FactoringForm::generate(int player)
{
    problems_[player - 1] = factoring::generate(level(), problemNumber(), common::random());
    showProblem(player, problem(player).text);
}

run::Verdict FactoringForm::check(int player)
{
    const factoring::Problem& o = problem(player);
    const factoring::Checked u = factoring::check(o, answerBox(player)->text());
    better_ = u.better;
    return verdict(player, u.right, u.given, o.text, o.answer);
}

void FactoringForm::explain(int player)
{
    const factoring::Problem& o = problem(player);
    ui::messageBox(factoring::explanationTitle(o), factoring::explain(o));
}

void FactoringForm::afterCheck(int player)
{
    if (!better_)
        return;
    // Right, but the minus belonged in front of the brackets.
    const factoring::Problem& o = problem(player);
    ui::messageBox(factoring::betterTitle, factoring::betterMessage(o));
    historyArea(player)->print(fitted(player, factoring::betterLine(o)));
    writeLine(player, factoring::betterLine(o));
}
