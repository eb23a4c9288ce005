#include "formlist.h"

#include "exercises/graphs/grafieken.h"
#include "exercises/metric/metriek.h"
#include "ui/formregistry.h"

// One line per form: its name and how to make it. The menu opens exercise
// forms by these names; a name without a line here does nothing on OK.
void registerForms()
{
    auto& forms = ui::FormRegistry::instance();
    forms.add(QStringLiteral("metriek"), [] { return new Metriek; });
    forms.add(QStringLiteral("grafieken"), [] { return new Grafieken; });
}
