#include "runend.h"

#include "run/end.h"
#include "run/resultsfile.h"
#include "ui/form.h"
#include "ui/formregistry.h"
#include "ui/messagebox.h"

namespace exercises {

void closeRun(ui::Form& form, const run::Session& session, const run::Players& players,
              const QString& title, const QString& summary)
{
    const run::SaveResult result = run::saveResults(session, players);
    if (!result.saved)
        ui::messageBox(QStringLiteral("Telkompas"), results::notSavedText(result.fileName));
    ui::messageBox(title, summary);
    ui::FormRegistry::instance().show(QStringLiteral("wismenu"));
    ui::FormRegistry::instance().unload(&form);
}

} // namespace exercises
