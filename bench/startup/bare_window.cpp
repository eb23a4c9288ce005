// The floor for start-up: a bare Qt window with one label.
#include "shown_probe.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget w;
    w.resize(400, 400);
    QLabel label(QStringLiteral("Telkompas"), &w);
    label.move(20, 20);
    new ShownProbe(&w);
    w.show();
    return app.exec();
}
