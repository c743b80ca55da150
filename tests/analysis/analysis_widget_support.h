#pragma once

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTest>

#include "analysis/analysis_window.h"

#include <ostream>

// Readable failures for the Qt types the window tests compare.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QStringList& texts, std::ostream* os) {
    *os << '{';
    for (const auto& text : texts) *os << " \"" << text.toStdString() << '"';
    *os << " }";
}
inline void PrintTo(const QColor& colour, std::ostream* os) { *os << colour.name().toStdString(); }

namespace tandarel::testing {

// Saves what the user sees when TANDAREL_SHOTS names a folder.
inline void saveShot(QWidget& window, const QString& name) {
    const auto shots = qEnvironmentVariable("TANDAREL_SHOTS");
    if (shots.isEmpty()) return;
    QDir().mkpath(shots);
    window.grab().save(shots + QLatin1Char('/') + name);
}

// The steps a user takes in the period dialogue.
inline void chooseMode(AnalysisWindow& window, PeriodMode mode) {
    // On the indicator: a radio button answers clicks on its indicator and text only.
    auto& radio = window.dialogue().modeButton(mode);
    QTest::mouseClick(&radio, Qt::LeftButton, {}, QPoint(8, radio.height() / 2));
}
inline void type(AnalysisWindow& window, PeriodField field, const QString& text) {
    auto& edit = window.dialogue().field(field);
    edit.clear();
    QTest::keyClicks(&edit, text);
}
inline void validate(AnalysisWindow& window, PeriodMode mode) {
    QTest::mouseClick(&window.dialogue().valider(mode), Qt::LeftButton);
}
// A point of the window that no control covers.
inline void clickBackground(AnalysisWindow& window) { QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(270, 40)); }

inline QColor pixel(QWidget& window, int x, int y) { return window.grab().toImage().pixelColor(x, y); }

// "Exporter…" clicked, the save dialog answering `path`; returns the path it suggested.
inline QString exportTo(AnalysisWindow& window, const QString& path) {
    QString suggested;
    window.setSaveDialog([&](const QString& offered) {
        suggested = offered;
        return path;
    });
    QTest::mouseClick(&window.exporter(), Qt::LeftButton);
    return suggested;
}

// With TANDAREL_SHOTS set, the result exported there as a PDF, for a person to look at.
inline void savePdfShot(AnalysisWindow& window, const QString& name) {
    const auto shots = qEnvironmentVariable("TANDAREL_SHOTS");
    if (!shots.isEmpty()) exportTo(window, shots + QLatin1Char('/') + name);
}

// The pages of a PDF document: its page objects (not the page tree, "/Pages").
inline int pdfPageCount(const std::string& pdf) {
    int pages = 0;
    for (auto at = pdf.find("/Type /Page"); at != std::string::npos; at = pdf.find("/Type /Page", at + 1))
        pages += pdf.compare(at, 12, "/Type /Pages") != 0;
    return pages;
}

}  // namespace tandarel::testing
