#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace tandarel::ui {

// The program's texts are UTF-8 std::string in core and QString in the windows.
inline QString toQ(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }
inline std::string fromQ(const QString& text) { return text.toStdString(); }

// The part of a text that a cell, a list entry or a button can show. A hand-edited file
// may hold a line of megabytes, which would be laid out whole at every paint.
inline constexpr qsizetype kShownCharacters = 1000;
inline QString shownPart(const QString& text) {
    return text.size() > kShownCharacters ? text.left(kShownCharacters) : text;
}

}  // namespace tandarel::ui
