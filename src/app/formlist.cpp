#include "formlist.h"

#include "app/bekijken.h"
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

// One line per form: its name and how to make it. The menu opens exercise
// forms by these names; a name without a line here does nothing on OK.
void registerForms()
{
    auto& forms = ui::FormRegistry::instance();
    forms.add(QStringLiteral("hoeken"), [] { return new Hoeken; });
    forms.add(QStringLiteral("metriek"), [] { return new Metriek; });
    forms.add(QStringLiteral("procenten"), [] { return new Procenten; });
    forms.add(QStringLiteral("sommen"), [] { return new Sommen; });
    forms.add(QStringLiteral("vergelijkingen"), [] { return new Vergelijkingen; });
    forms.add(QStringLiteral("wismenu"), [] { return new Wismenu; });
    forms.add(QStringLiteral("bekijken"), [] { return new Bekijken; });
    forms.add(QStringLiteral("haakjes"), [] { return new Haakjes; });
    forms.add(QStringLiteral("ontbinden"), [] { return new Ontbinden; });
    forms.add(QStringLiteral("grafieken"), [] { return new Grafieken; });
}
