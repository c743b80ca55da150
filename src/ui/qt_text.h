#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace tandarel::ui {

// The program's texts are UTF-8 std::string in core and QString in the windows.
inline QString toQ(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }
inline std::string fromQ(const QString& text) { return text.toStdString(); }

}  // namespace tandarel::ui
