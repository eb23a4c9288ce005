#pragma once
// What the pupils see when a run ends, the same for every exercise: a box
// when the results could not be saved, then the summary, then the menu; the
// exercise form is unloaded.

#include "run/player.h"
#include "run/session.h"

#include <QString>

namespace ui {
class Form;
}

namespace exercises {

// Saves the results (run::saveResults), shows the summary under `title`,
// goes back to the menu and unloads `form`.
void closeRun(ui::Form& form, const run::Session& session, const run::Players& players,
              const QString& title, const QString& summary);

} // namespace exercises
