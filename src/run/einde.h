#pragma once
// The end of every run, the same for all exercises: once only, the players'
// results texts go into the results file of the exercise and level (when it
// keeps one), the summary is shown, the menu comes back and the exercise
// form is unloaded.

#include "run/player.h"
#include "run/session.h"

#include <QString>

namespace ui {
class Form;
}

namespace run {

class Einde {
public:
    bool afgesloten() const { return afgesloten_; }
    // Call first thing when closing: false when the run was closed already.
    bool begin();
    // Writes the results file, shows the summary under `titel`, goes back to
    // the menu and unloads `form`.
    void sluit(ui::Form& form, const Session& session, const Players& spelers, const QString& titel,
               const QString& samenvatting);

private:
    bool afgesloten_ = false;
};

} // namespace run
