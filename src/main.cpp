#include "app/formlist.h"
#include "ui/formregistry.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Telkompas"));
    registerForms();
    ui::FormRegistry::instance().show(QStringLiteral("wismenu"));
    const int code = app.exec();
    ui::FormRegistry::instance().unloadAll();
    return code;
}
