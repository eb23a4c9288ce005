#include "formlist.h"

#include "app/menuchoices.h"
#include "app/menuform.h"
#include "app/viewerform.h"
#include "exercises/catalogue.h"
#include "exercises/catalogueforms.h"

ui::FormRegistry::Factory exerciseFactory(const QString& id)
{
    return [id] {
        run::Session session = menuChoices().session();
        if (const catalogue::Exercise* e = catalogue::find(id)) {
            session.exercise = id;
            session.resultsNumber = e->resultsNumber;
            session.level = catalogue::resultsLevel(*e, session.level);
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
    forms.add(QStringLiteral("wismenu"), [] { return new MenuForm; });
    forms.add(QStringLiteral("bekijken"), [] { return new ViewerForm; });
    for (const catalogue::Exercise& e : catalogue::exercises()) {
        const QString id = QString::fromLatin1(e.id);
        forms.add(id, exerciseFactory(id));
    }
}
