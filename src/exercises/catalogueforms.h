#pragma once
// How the form of each exercise in the catalogue is made. Apart from the
// catalogue's plain data, as this file links every exercise form.

#include "run/session.h"

#include <QStringView>

namespace ui {
class Form;
}

namespace catalogue {

// A new form of the exercise with this form name, run with the session;
// null for a name that is no exercise.
ui::Form* makeForm(QStringView id, const run::Session& session);

} // namespace catalogue
