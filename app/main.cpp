#include "app/COrvantis2App.h"
#include "app/COrvantis2Dlg.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication qapp(argc, argv);
    COrvantis2App app;
    if (!app.InitInstance())
        return 1;
    COrvantis2Dlg dlg(app);
    dlg.show();
    return qapp.exec();
}
