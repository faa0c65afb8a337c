#include "ui/printing.h"

#include "ui/reportpages.h"

#include <QPrintDialog>
#include <QPrinter>

namespace varnel::ui {

PrintChoice choosePrinter(QPrinter& printer, const QString& document, QWidget* parent) {
    printer.setDocName(document);
    printer.setCreator(QStringLiteral("Varnel"));
    setUpReportPage(printer);
    // Without a printer of the system's the printer is a PDF writer, which the dialog cannot offer.
    if (printer.outputFormat() != QPrinter::NativeFormat)
        return PrintChoice::NoPrinter;
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted ? PrintChoice::Print : PrintChoice::Cancelled;
}

} // namespace varnel::ui
