#include "app/desktop_setup.h"

#include <QApplication>
#include <QTranslator>

#include "app/japanese_desktop.h"

namespace lumitrak {

void setUpApplication(QApplication& application) {
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopFileName));
    auto* translator = new QTranslator(&application);
    if (translator->load(qtJapaneseTextsFile())) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
    useJapaneseFont();
}

}  // namespace lumitrak
