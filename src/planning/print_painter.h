#pragma once

#include <vector>

#include "planning/print_layout.h"

class QPainter;
class QPagedPaintDevice;

namespace tandarel {

// Draws one laid-out page: each cell outlined, filled, its text at 2 units from its corner.
void paintPrintPage(QPainter& painter, const PrintPage& page);
// Every page on the device, a new page before each but the first. False when the
// device cannot be painted on.
bool paintPrintPages(QPagedPaintDevice& device, const std::vector<PrintPage>& pages);

}  // namespace tandarel
