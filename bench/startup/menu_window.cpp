// The pupils' program's own start, as its main() does it: forms registered,
// the menu shown. Linked as telkompas is, so it loads the same libraries
// (compare_startup.sh checks that).
#include "app/formlist.h"
#include "shown_probe.h"
#include "ui/appsetup.h"
#include "ui/form.h"
#include "ui/formregistry.h"

#include <QApplication>

int main(int argc, char** argv)
{
    FontWarmUp fonts;
    QApplication app(argc, argv);
    fonts.finish();
    setUpApplication(app);
    registerForms();
    ui::Form* menu = ui::FormRegistry::instance().show(QStringLiteral("wismenu"));
    if (!menu)
        return 1;
    new ShownProbe(menu);
    const int code = app.exec();
    ui::FormRegistry::instance().unloadAll();
    return code;
}
