#include "factoringform.h"

#include "common/random.h"
#include "ui/messagebox.h"

FactoringForm::FactoringForm(const run::Session& session)
    : AlgebraForm(member(QStringLiteral("ontbinden")), session, QStringLiteral("Ontbind:"))
{
}

void FactoringForm::maakopgave(int player)
{
    problems_[player - 1] = factoring::generate(niveau(), opgaveNr(), common::random());
    showProblem(player, problem(player).text);
}

run::Verdict FactoringForm::beoordeel(int player)
{
    const factoring::Problem& o = problem(player);
    const factoring::Checked u = factoring::check(o, tAntwoord(player)->text());
    better_ = u.better;
    return verdict(player, u.right, u.given, o.text, o.answer);
}

void FactoringForm::uitleg(int player)
{
    const factoring::Problem& o = problem(player);
    ui::messageBox(factoring::explanationTitle(o), factoring::explain(o));
}

void FactoringForm::naBeoordeling(int player)
{
    if (!better_)
        return;
    // Right, but the minus belonged in front of the brackets.
    const factoring::Problem& o = problem(player);
    ui::messageBox(factoring::betterTitle, factoring::betterMessage(o));
    picture(player)->print(fitted(player, factoring::betterLine(o)));
    schrijf(player, factoring::betterLine(o));
}
