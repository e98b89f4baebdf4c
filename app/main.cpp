// Lumitrak: the main window is the whole program.

#include <QApplication>

#include "app/desktop_setup.h"
#include "app/quit_signals.h"
#include "ui/main/form1.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    lumitrak::setUpApplication(application);
    lumitrak::Form1 form;
    lumitrak::onQuitRequest(&form, [&form] { form.closeForQuitRequest(); });
    form.show();
    return application.exec();
}
