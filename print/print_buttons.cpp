#include "print/print_buttons.h"

#include "app/platform.h"
#include "app/shared_state.h"
#include "app/startup.h"
#include "app/text_file.h"
#include "print/page_composer.h"
#include "widgets/controls.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QPushButton>

namespace tessaly {

PrintButtons AddPrintButtons(QWidget *window, QRect printPlace, QRect pdfPlace, SpreadSource source)
{
    PrintButtons buttons;
    buttons.print = MakeButton(window, "btAfdrukken", QStringLiteral("Afdrukken"), printPlace,
                               QStringLiteral("Druk de legging en de lezing af"));
    buttons.pdf = MakeButton(window, "btPdf", QStringLiteral("PDF"), pdfPlace,
                             QStringLiteral("Bewaar de legging en de lezing als PDF"));
    for (QPushButton *button : {buttons.print, buttons.pdf}) {
        button->setAccessibleName(button->text());
        button->setAccessibleDescription(button->toolTip());
    }
    QObject::connect(buttons.print, &QPushButton::clicked, window, [source] {
        if (const std::optional<PrintedSpread> spread = source())
            PrintSpreadPages(*spread);
    });
    QObject::connect(buttons.pdf, &QPushButton::clicked, window, [source] {
        if (const std::optional<PrintedSpread> spread = source())
            SaveSpreadPdf(*spread);
    });
    return buttons;
}

PrintedSpread FromJournal(PrintedSpread spread)
{
    const SharedState &shared = Shared();
    const SpreadOrigin origin =
        OriginOf(shared.SpreadSaved, shared.SaveLine, Platform::instance().now().date());
    spread.date = origin.date;
    spread.remark = origin.remark;
    return spread;
}

PrintedSpread Today(PrintedSpread spread)
{
    spread.date = Platform::instance().now().date();
    spread.remark.clear();
    return spread;
}

void PrintSpreadPages(const PrintedSpread &spread)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(SpreadPageLayout());
    printer.setDocName(DocumentTitle(spread));
    printer.setCreator(QStringLiteral("Tessaly Studie"));
    Platform::instance().printPreview(printer, [&spread](QPrinter *target) { PaintSpread(*target, spread); });
}

bool SaveSpreadPdf(const PrintedSpread &spread)
{
    Platform &platform = Platform::instance();
    const QString path =
        platform.saveFileName(QStringLiteral("PDF bewaren"), ProposedPdfPath(QDir::currentPath(), spread),
                              QStringLiteral("PDF-bestanden (*.pdf)"));
    if (path.isEmpty() || RefusedAsProgramFile(path))
        return false;
    QString error;
    bool written = false;
    {
        BusyCursor busy;
        written = WriteFileBytes(path, SpreadPdf(spread), &error);
    }
    if (!written) {
        platform.message(error);
        return false;
    }
    platform.message(QStringLiteral("De PDF is bewaard als %1.").arg(QFileInfo(path).fileName()));
    return true;
}

} // namespace tessaly
