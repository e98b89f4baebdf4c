#pragma once
// The core's UTF-8 texts as the widgets' QStrings.

#include <QString>
#include <string_view>

namespace lumitrak {

inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace lumitrak
