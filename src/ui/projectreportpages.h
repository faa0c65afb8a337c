#pragma once

#include "projects/projectreport.h"

#include <QFont>
#include <QString>

#include <optional>
#include <string>

class QPagedPaintDevice;

namespace varnel::ui {

// The project's 计算书 on paper, in the single report's page layout (setUpReportPage: A4 portrait, 20 mm
// margins, "第 N 页 共 M 页" at the foot of every page) and its shipped face, under a running header with
// the project's name: the title, the fields and the basis, the summary as a ruled table whose header row
// repeats on every page it runs onto, then a section per item, each on one page where it fits, and the
// lines to sign, never alone on a page. The printer and the PDF file share it.

// The text's font before the shipped face is put first: 宋体 at 10.5 pt (五号), or Noto Serif CJK SC.
QFont projectReportFont();

// Lays the report out on the device's pages and paints them. Returns the number of pages, 0 when the
// device could not be painted on.
int paintProjectReport(QPagedPaintDevice& device, const projects::ProjectReport& report);

// The report as a PDF file's bytes, its title the document's; nothing when it could not be painted.
std::optional<std::string> projectReportPdf(const projects::ProjectReport& report);

} // namespace varnel::ui
