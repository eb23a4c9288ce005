#include "formlist.h"

#include "app/bekijken.h"
#include "app/module1.h"
#include "app/wismenu.h"
#include "exercises/algebra/haakjesform.h"
#include "exercises/algebra/ontbindenform.h"
#include "exercises/angles/hoeken.h"
#include "exercises/equations/vergelijkingen.h"
#include "exercises/graphs/grafieken.h"
#include "exercises/metric/metriek.h"
#include "exercises/percentages/procenten.h"
#include "exercises/sums/sommen.h"
#include "ui/formregistry.h"

namespace {
// An exercise form is made afresh for every run, with the menu's choices as
// its session.
template <class Exercise> ui::FormRegistry::Factory exercise()
{
    return [] { return new Exercise(module1().session()); };
}
} // namespace

// One line per form: its name and how to make it. The menu opens exercise
// forms by these names; a name without a line here does nothing on OK.
void registerForms()
{
    auto& forms = ui::FormRegistry::instance();
    forms.add(QStringLiteral("hoeken"), exercise<Hoeken>());
    forms.add(QStringLiteral("metriek"), exercise<Metriek>());
    forms.add(QStringLiteral("procenten"), exercise<Procenten>());
    forms.add(QStringLiteral("sommen"), exercise<Sommen>());
    forms.add(QStringLiteral("vergelijkingen"), exercise<Vergelijkingen>());
    forms.add(QStringLiteral("wismenu"), [] { return new Wismenu; });
    forms.add(QStringLiteral("bekijken"), [] { return new Bekijken; });
    forms.add(QStringLiteral("haakjes"), exercise<Haakjes>());
    forms.add(QStringLiteral("ontbinden"), exercise<Ontbinden>());
    forms.add(QStringLiteral("grafieken"), exercise<Grafieken>());
}
