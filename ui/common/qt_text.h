#pragma once
// The core's texts are UTF-8 std::strings, the widgets' are QStrings: these convert both ways.

#include <QString>
#include <string>
#include <string_view>

namespace lumitrak {

inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string toUtf8String(const QString& text) { return text.toStdString(); }

}  // namespace lumitrak
