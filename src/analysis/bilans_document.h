#pragma once

#include <QByteArray>
#include <QPagedPaintDevice>

#include "analysis/bilan_report.h"

namespace tandarel {

// A bilan on pages: the title, the period, the table (its header again on each page, the
// "Totaux" last), the chart of the reports that have one and "Page n / N" at the foot of
// every page. The PDF export and the printer draw the same pages. False when the device
// could not be painted on.
bool paintBilanDocument(QPagedPaintDevice& device, const BilanReport& report);

// The same as an A4 PDF document; empty when it could not be composed.
QByteArray bilanPdf(const BilanReport& report);

}  // namespace tandarel
