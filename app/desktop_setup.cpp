#include "app/desktop_setup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace lumitrak {

void setUpApplication(QApplication& application) {
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopFileName));
    auto* translator = new QTranslator(&application);
    if (translator->load(QStringLiteral("qtbase_ja"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}

}  // namespace lumitrak
