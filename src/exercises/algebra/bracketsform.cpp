#include "bracketsform.h"

#include "common/random.h"
#include "ui/messagebox.h"

BracketsForm::BracketsForm(const run::Session& session)
    : AlgebraForm(member(QStringLiteral("haakjes")), session,
                  QStringLiteral(" Werk de haakjes weg en schrijf      het antwoord zo kort "
                                 "mogelijk "))
{
}

void BracketsForm::maakopgave(int player)
{
    problems_[player - 1] = brackets::generate(niveau(), opgaveNr(), common::random());
    showProblem(player, problem(player).text);
}

run::Verdict BracketsForm::beoordeel(int player)
{
    const brackets::Problem& o = problem(player);
    const brackets::Checked u = brackets::check(o, tAntwoord(player)->text());
    return verdict(player, u.right, u.given, o.text, o.answer);
}

void BracketsForm::uitleg(int player)
{
    ui::messageBox(brackets::explanationTitle, brackets::explain(problem(player)));
}
