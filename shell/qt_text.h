// Conversions between the catalogue's UTF-8 texts and Qt strings.
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace zentaro {

inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToUtf8(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace zentaro
