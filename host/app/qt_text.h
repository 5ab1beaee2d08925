#pragma once

#include <QString>
#include <QStringList>

#include <string>
#include <string_view>
#include <vector>

namespace vamo::host {

inline QString qt(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string utf8(const QString& text) {
    return text.toStdString();
}

inline QStringList qtList(const std::vector<std::string>& items) {
    QStringList list;
    for (const auto& item : items) {
        list << qt(item);
    }
    return list;
}

} // namespace vamo::host
