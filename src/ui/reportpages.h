#pragma once

#include <QFont>
#include <QString>

class QPagedPaintDevice;

namespace varnel::ui {

// The 计算书 on paper: A4 portrait, 20 mm margins, the report's text in its window's font, long lines
// wrapped, and a footer "第 N 页 共 M 页" on every page. The printer and the PDF file share this layout.
void setUpReportPage(QPagedPaintDevice& device);
// Lays the text out on the device's pages and paints them. Returns the number of pages.
int paintReport(QPagedPaintDevice& device, const QString& text, const QFont& font);

} // namespace varnel::ui
