#include "formlist.h"

#include "app/bekijken.h"
#include "app/module1.h"
#include "app/wismenu.h"
#include "exercises/catalogue.h"
#include "exercises/catalogueforms.h"

ui::FormRegistry::Factory exerciseFactory(const QString& id)
{
    return [id] {
        run::Session session = module1().session();
        if (const catalogue::Exercise* e = catalogue::find(id)) {
            session.oefening = id;
            session.resultsNumber = e->resultsNumber;
            session.mixedLevel = e->mixedLevel;
        }
        return catalogue::makeForm(id, session);
    };
}

// The menu opens exercise forms by their names in the catalogue; a name
// without a form does nothing on OK.
void registerForms()
{
    auto& forms = ui::FormRegistry::instance();
    forms.add(QStringLiteral("wismenu"), [] { return new Wismenu; });
    forms.add(QStringLiteral("bekijken"), [] { return new Bekijken; });
    for (const catalogue::Exercise& e : catalogue::exercises()) {
        const QString id = QString::fromLatin1(e.id);
        forms.add(id, exerciseFactory(id));
    }
}
