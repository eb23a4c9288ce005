#include "bracketsform.h"

#include "common/random.h"
#include "ui/messagebox.h"

BracketsForm::BracketsForm(const run::Session& session)
    : AlgebraForm("haakjes", session,
                  QStringLiteral(" Werk de haakjes weg en schrijf      het antwoord zo kort "
                                 "mogelijk "))
{
}

void BracketsForm::generate(int player)
{
    problems_[player - 1] = brackets::generate(level(), problemNumber(), common::random());
    showProblem(player, problem(player).text);
}

run::Verdict BracketsForm::check(int player)
{
    const brackets::Problem& o = problem(player);
    const brackets::Checked u = brackets::check(o, answerBox(player)->text());
    return verdict(player, u.right, u.given, o.text, o.answer);
}

void BracketsForm::explain(int player)
{
    ui::messageBox(brackets::explanationTitle, brackets::explain(problem(player)));
}
