#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace resonara {

// Texts cross between the windows (UTF-8 std::string) and Qt here only.
inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::string ToStdString(const QString& text) { return text.toStdString(); }

}  // namespace resonara
