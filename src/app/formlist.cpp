#include "formlist.h"

#include "app/bekijken.h"
#include "app/wismenu.h"
#include "ui/formregistry.h"

// One line per form: its name and how to make it. The menu opens exercise
// forms by these names; a name without a line here does nothing on OK.
void registerForms()
{
    [[maybe_unused]] auto& forms = ui::FormRegistry::instance();
    forms.add(QStringLiteral("wismenu"), [] { return new Wismenu; });
    forms.add(QStringLiteral("bekijken"), [] { return new Bekijken; });
}
