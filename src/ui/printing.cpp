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

QString noPrinterMessage(const QString& document) {
    return QStringLiteral("没有可以打印%1的打印机：请先在系统中添加打印机，或把%1另存为 PDF 后打印。")
        .arg(document);
}

} // namespace varnel::ui
