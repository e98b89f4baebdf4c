#include <QLibraryInfo>
#include <QString>

#include "app/japanese_desktop.h"

namespace lumitrak {

QString qtJapaneseTextsFile() {
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_ja.qm");
}

void useJapaneseFont() {}

}  // namespace lumitrak
