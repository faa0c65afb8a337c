#pragma once

#include "projects/figures.h"
#include "projects/quote.h"

#include <string>
#include <string_view>
#include <vector>

namespace varnel::projects {

// The project's 计算书, the document an engineer hands to the client: a title page, the summary of what the
// items come to, a section per item with what was chosen for it and its calculation, and the lines the
// people responsible sign. It holds texts only; the text file and the printed pages are made from it.

// A field of the title page: 项目名称, 发包人, 设计人, 编制日期.
struct ReportField {
    std::string label;
    std::string value;
};

enum class Alignment { Left, Right };

struct SummaryColumn {
    std::string header;
    Alignment alignment;
};

// The summary table: a row per item, then the row of totals; the quote's figures (money.h), each total the
// sum of the rows above it. Below the table: the float and the contract amount (with what a typed contract
// amount implies), the VAT on the contract amount, then the note on the units.
struct Summary {
    std::string heading;
    std::vector<SummaryColumn> columns;
    std::vector<std::vector<std::string>> rows; // a cell per column
    std::vector<std::string> totalRow;          // "合计" in the first cell, the sums under their columns
    std::vector<std::string> totalsLines;
    std::string unitNote;
};

// One item: its name, the inputs chosen for it, and the lines of its calculation as the report window
// writes them, from the fee base to the benchmark, with the phase's share where that is what it is charged.
struct ReportSection {
    std::string heading;
    std::vector<std::string> chosen;
    std::vector<std::string> calculation;
};

struct ProjectReport {
    std::string title;
    std::vector<ReportField> fields;
    Summary summary;
    std::string sectionsHeading;
    std::vector<ReportSection> sections;
    std::vector<std::string> signatures; // "编制：" followed by room to sign, then 校核 and 审核
};

// The columns of the summary, in order.
enum class SummaryColumnIndex { Index, Name, Type, Grade, Amount, BenchmarkFee, ChargedFee };
inline constexpr std::size_t summaryColumnCount = 7;

// The report of a quote: `figures` are its items' figures in item order and `totals` what totalsOf makes
// of them.
ProjectReport buildProjectReport(const Quote& quote, const std::vector<ItemFigures>& figures,
                                 const Totals& totals);

// How wide a text is set in a fixed-pitch CJK font: two for a wide or full-width character, one otherwise.
std::size_t displayWidth(std::string_view utf8);

// The summary as text: the heading, the table as lines whose columns line up in a fixed-pitch CJK font
// (amounts to the right), the totals lines and the unit note.
std::vector<std::string> summaryLines(const Summary& summary);

// An item's section as the lines of text it reads as: its heading, what was chosen, its calculation.
std::vector<std::string> sectionLines(const ReportSection& section);

// The whole report as text, lines ended by CR LF as in the single calculation's report, no line break at
// the end: the title page, the summary, the sections, the signatures, with a blank line between parts.
std::string projectReportText(const ProjectReport& report);

} // namespace varnel::projects
