#pragma once

#include <QString>

#include <optional>

class QPrinter;
class QWidget;

namespace varnel::ui {

// What the print dialog came to: printing can go ahead, the user cancelled, or the system has no printer
// the dialog could offer (a Windows machine with none installed), which the user is told of with `why`.
enum class PrintChoice { Print, Cancelled, NoPrinter };

// Asks where to print `document` through the system's print dialog.
PrintChoice choosePrinter(QPrinter& printer, QWidget* parent);

// What the user is told when there is no printer: how to hand the document over instead.
QString noPrinterMessage(const QString& document);

} // namespace varnel::ui
