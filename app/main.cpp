// Lumitrak: the main window is the whole program.

#include <QApplication>

#include "ui/main/desktop_setup.h"
#include "ui/main/form1.h"
#include "ui/main/quit_signals.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    lumitrak::setUpApplication(application);
    lumitrak::Form1 form;
    lumitrak::closeOnQuitSignals(&form);
    form.show();
    return application.exec();
}
