#pragma once

#include <QDir>
#include <QString>
#include <filesystem>
#include <string>
#include <system_error>

namespace tandarel::ui {

// Paths cross between Qt and std::filesystem as UTF-8, never through the system's
// narrow code page, so that every file name reaches the screen and the disk whole.
inline QString pathToQ(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return QString::fromUtf8(reinterpret_cast<const char*>(text.data()), static_cast<qsizetype>(text.size()));
}
inline std::filesystem::path pathFromQ(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    return std::u8string(reinterpret_cast<const char8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size()));
}

// Where a file of that name would go in `folder`, made absolute for a save dialog (as
// it is when it cannot be).
inline QString suggestedPath(const std::filesystem::path& folder, const QString& fileName) {
    std::error_code ignored;
    auto absolute = std::filesystem::absolute(folder, ignored);
    if (absolute.empty()) absolute = folder;
    return QDir(pathToQ(absolute)).filePath(fileName);
}

}  // namespace tandarel::ui
