#include "sessionend.h"

#include "ui/formregistry.h"
#include "ui/messagebox.h"
#include "ui/stopsignals.h"

#include <QApplication>
#include <QDialog>
#include <QSessionManager>
#include <QTimer>

namespace {
constexpr int maxBoxes = 10;

// A box that is open (an explanation) is closed first, as the pupil closes
// it, so that the run takes in what the pupil did before it, as it would
// before "Naar menu" could be clicked; the run ends once the box's code has
// gone on. A box that will not close does not keep the program from ending.
void endRunsAndQuit(int boxesToClose)
{
    ui::setBoxesSkipped(true);
    QWidget* box = QApplication::activeModalWidget();
    if (box && boxesToClose > 0) {
        if (auto* dialog = qobject_cast<QDialog*>(box))
            dialog->reject();
        else
            box->close();
        QTimer::singleShot(0, [boxesToClose] { endRunsAndQuit(boxesToClose - 1); });
        return;
    }
    endOpenRuns();
    QCoreApplication::exit(0); // also leaves a box's event loop, should one remain
}
} // namespace

void endOpenRuns()
{
    ui::setBoxesSkipped(true);
    ui::FormRegistry::instance().closeAll();
}

void endRunsWhenStopped(QApplication& app)
{
    new ui::StopSignals([] { endRunsAndQuit(maxBoxes); }, &app);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &app,
                     [](QSessionManager&) { endRunsAndQuit(maxBoxes); });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &app, [] { endOpenRuns(); });
}
