#pragma once

#include "print/printed_spread.h"

#include <QRect>

#include <functional>
#include <optional>

class QPushButton;
class QWidget;

namespace tessaly {

// What a window puts on paper now; nullopt when it has nothing to print
// (and has said so).
using SpreadSource = std::function<std::optional<PrintedSpread>()>;

struct PrintButtons
{
    QPushButton *print = nullptr;
    QPushButton *pdf = nullptr;
};

// The buttons "Afdrukken" and "PDF" of a window, in its free space.
PrintButtons AddPrintButtons(QWidget *window, QRect printPlace, QRect pdfPlace, SpreadSource source);

// The date and remark of the spread on screen: those of its journal line
// while it is saved, else today's date and no remark.
PrintedSpread FromJournal(PrintedSpread spread);
// Today's date, no remark.
PrintedSpread Today(PrintedSpread spread);

// The print preview with the system's printers.
void PrintSpreadPages(const PrintedSpread &spread);
// Asks where, proposing the working folder, and writes the PDF; a failure
// is reported. True when the file is written.
bool SaveSpreadPdf(const PrintedSpread &spread);

} // namespace tessaly
