#include "app/appsetup.h"
#include "app/formlist.h"
#include "ui/formregistry.h"

#include <QApplication>

int main(int argc, char** argv)
{
    FontWarmUp fonts;
    QApplication app(argc, argv);
    fonts.finish();
    setUpApplication(app);
    registerForms();
    ui::FormRegistry::instance().show(QStringLiteral("wismenu"));
    const int code = app.exec();
    ui::FormRegistry::instance().unloadAll();
    return code;
}
