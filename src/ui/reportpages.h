#pragma once

#include <QFont>
#include <QString>

#include <functional>
#include <optional>
#include <string>

class QPagedPaintDevice;
class QPainter;
class QPdfWriter;
class QRectF;

namespace varnel::ui {

// The 计算书 on paper: A4 portrait, 20 mm margins, long lines wrapped, and a footer "第 N 页 共 M 页" on
// every page. The printer and the PDF file share this layout.
void setUpReportPage(QPagedPaintDevice& device);
// Lays the text out on the device's pages and paints them. Returns the number of pages. The text is set at
// the size of its window's font in the face shipped for the report, which has the glyphs of Noto Serif CJK
// SC and gives a PDF whose text is the report's own characters; the window's faces stand in for a
// character it lacks.
int paintReport(QPagedPaintDevice& device, const QString& text, const QFont& windowFont);

// The pages as a PDF file's bytes, in memory: A4 as setUpReportPage makes it, with `title` as the
// document's title. `paint` paints them and returns their number, 0 when it could not; then nothing.
std::optional<std::string> pdfBytes(const QString& title, const std::function<int(QPdfWriter&)>& paint);
// The report window's text as a PDF file's bytes, laid out as paintReport lays it out.
std::optional<std::string> reportPdf(const QString& text, const QFont& windowFont);

// A font for paper in the face shipped for the report: `font`'s size and style with that face first, its
// own faces standing in for a character the shipped face lacks. The face is loaded the first time. The
// project's 计算书 is set in it too.
QFont reportPageFont(const QFont& font);
// "第 N 页 共 M 页", centred at the foot of the page, in a font three quarters of `font`'s size.
void paintPageFooter(QPainter& painter, const QRectF& foot, int page, int pages, const QFont& font);
// The height a footer takes below the text on `device`.
int pageFooterHeight(QPagedPaintDevice& device, const QFont& font);

} // namespace varnel::ui
