#include <QApplication>
#include <QFont>
#include <QString>

#include "app/japanese_desktop.h"

namespace lumitrak {

QString qtJapaneseTextsFile() {
    // Built in by app/CMakeLists.txt from the build machine's Qt translations.
    return QStringLiteral(":/qt/translations/qtbase_ja.qm");
}

void useJapaneseFont() {
    // Yu Gothic UI comes with every Windows 10 and 11, whatever its language; Meiryo UI and
    // MS UI Gothic stand in on a system that lacks it, and Noto Sans CJK JP where the observer has
    // installed it (as under wine). Setting the program's font also replaces the fonts Qt gives
    // message boxes and menus, so that they too show Japanese.
    QFont font = QApplication::font();
    font.setFamilies({QStringLiteral("Yu Gothic UI"), QStringLiteral("Meiryo UI"),
                      QStringLiteral("MS UI Gothic"), QStringLiteral("Noto Sans CJK JP")});
    QApplication::setFont(font);
}

}  // namespace lumitrak
