// The floor for start-up: a bare Qt window.
#include "shown_probe.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget w;
    w.resize(400, 400);
    new ShownProbe(&w);
    w.show();
    return app.exec();
}
