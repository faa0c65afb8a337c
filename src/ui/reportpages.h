#pragma once

#include <QFont>
#include <QString>

class QPagedPaintDevice;

namespace varnel::ui {

// The 计算书 on paper: A4 portrait, 20 mm margins, long lines wrapped, and a footer "第 N 页 共 M 页" on
// every page. The printer and the PDF file share this layout.
void setUpReportPage(QPagedPaintDevice& device);
// Lays the text out on the device's pages and paints them. Returns the number of pages. The text is set at
// the size of its window's font in the face shipped for the report, which has the glyphs of Noto Serif CJK
// SC and gives a PDF whose text is the report's own characters; the window's faces stand in for a
// character it lacks.
int paintReport(QPagedPaintDevice& device, const QString& text, const QFont& windowFont);

} // namespace varnel::ui
