#pragma once

#include <QString>

#include <optional>

class QPrinter;
class QWidget;

namespace varnel::ui {

// What the print dialog came to: printing can go ahead, the user cancelled, or the system has no printer
// the dialog could offer (a Windows machine with none installed).
enum class PrintChoice { Print, Cancelled, NoPrinter };

// Sets `printer` up for a report called `document` (its name in the print queue, the report's A4 page)
// and asks where to print it through the system's print dialog.
PrintChoice choosePrinter(QPrinter& printer, const QString& document, QWidget* parent);

} // namespace varnel::ui
