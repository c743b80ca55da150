#pragma once

#include <QByteArray>
#include <QPageLayout>
#include <filesystem>
#include <vector>

#include "analysis/chart_painting.h"
#include "analysis/result_export.h"

namespace tandarel {

// The result as an A4 PDF document: the title, the facts, the result grid, the chart as
// the window draws it, both lists (on as many pages as they need) and "Page n / N" at
// the foot of every page. The grid's columns keep the proportions of the window's
// (`gridColumns`, in pixels). Empty when the document could not be composed.
QByteArray resultPdf(const ResultReport& report, const ChartDrawing& chart, const std::vector<int>& gridColumns);

// The page of every document the analyses make, printed or as PDF: A4 upright, 15 mm margins.
QPageLayout analysisPageLayout();

// Writes a composed PDF document to `file` (atomically); an empty one, which could not
// be composed, is a write error.
void writePdfFile(const std::filesystem::path& file, const QByteArray& pdf);

}  // namespace tandarel
