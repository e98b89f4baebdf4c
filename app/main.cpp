// Lumitrak: the main window is the whole program.

#include <QApplication>
#include <QSessionManager>

#include "ui/main/desktop_setup.h"
#include "ui/main/form1.h"
#include "ui/main/quit_signals.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    lumitrak::setUpApplication(application);
    lumitrak::Form1 form;
    lumitrak::closeOnQuitSignals(&form);
    // At a logout the question comes while someone is there to answer it, or not at all.
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &form,
                     [&form](QSessionManager& manager) {
                         const bool mayAsk = manager.allowsInteraction();
                         form.saveForLogout(mayAsk);
                         if (mayAsk) manager.release();
                     });
    form.show();
    return application.exec();
}
