#include "einde.h"

#include "run/resultsfile.h"
#include "ui/form.h"
#include "ui/formregistry.h"
#include "ui/messagebox.h"

namespace run {

bool Einde::begin()
{
    if (afgesloten_)
        return false;
    afgesloten_ = true;
    return true;
}

void Einde::sluit(ui::Form& form, const Session& session, const Players& spelers,
                  const QString& titel, const QString& samenvatting)
{
    const QString bestand = session.resultatenBestand();
    if (!bestand.isEmpty() && !results::append(bestand, spelers[0].verslag, spelers[1].verslag))
        results::reportNotSaved(bestand);
    ui::messageBox(titel, samenvatting);
    ui::FormRegistry::instance().show(QStringLiteral("wismenu"));
    ui::FormRegistry::instance().unload(&form);
}

} // namespace run
