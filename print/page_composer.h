#pragma once

#include "print/printed_spread.h"

#include <QByteArray>
#include <QPageLayout>

class QPagedPaintDevice;

namespace tessaly {

// A4 portrait with margins of 15 mm: what a print starts from.
QPageLayout SpreadPageLayout();

// Lays the spread out on pages of device (a printer or a PDF writer) and
// paints them: a header on every page, the cards drawn from their vector
// sources, then the reading, a block never split over two pages, and the
// page number "n/total" at the foot. Returns the number of pages.
int PaintSpread(QPagedPaintDevice &device, const PrintedSpread &spread);

// The spread as a PDF file, its title and author in the document
// properties.
QByteArray SpreadPdf(const PrintedSpread &spread);

} // namespace tessaly
