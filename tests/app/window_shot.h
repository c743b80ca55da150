#pragma once

#include <QDir>
#include <QString>
#include <QWidget>

namespace tandarel::testing {

// With TANDAREL_SHOTS set to a folder, saves what the window shows there as a PNG,
// so that a person can look at it.
inline void saveWindowShot(QWidget& window, const QString& name) {
    const QString folder = qEnvironmentVariable("TANDAREL_SHOTS");
    if (folder.isEmpty()) return;
    QDir().mkpath(folder);
    window.grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}

}  // namespace tandarel::testing
