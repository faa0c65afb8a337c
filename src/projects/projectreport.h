#pragma once

#include "projects/figures.h"
#include "projects/quote.h"

#include <string>
#include <string_view>
#include <vector>

namespace varnel::projects {

// The project's 计算书, the document an institute sends to the client and both sign: the title, the
// project's fields and the basis it is calculated on, the summary of what the items come to with the
// float, the contract amount and its VAT, a section per item in which every step cites the clause or table
// of the standard it follows, and the lines the people responsible sign and the client confirms. It holds
// texts only; the text file and the printed pages are made from it, and say the same.

// A field of the project: 项目名称, 发包人, 设计人, 编制日期.
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
// sum of the rows above it. Below the table: the total and the contract amount, each also in capital
// figures, the float, the VAT on the contract amount, then the note on the units.
struct Summary {
    std::string heading;
    std::vector<SummaryColumn> columns;
    std::vector<std::vector<std::string>> rows; // a cell per column
    std::vector<std::string> totalRow;          // "合计" in the first cell, the sums under their columns
    std::vector<std::string> totalsLines;
    std::string unitNote;
};

// One item: its heading and the steps of its calculation, from the fee base to the fee that counts
// towards the total, each citing its clause or table; figures in 万元 to four decimals, coefficients as
// the standard gives them. A step whose figure is zero (an other fee typed as 0) is left out.
struct ReportSection {
    std::string heading;
    std::vector<std::string> lines;
};

struct ProjectReport {
    std::string title;         // 工程设计收费计算书
    std::string runningHeader; // the project's name, at the head of every printed page
    std::vector<ReportField> fields;
    std::vector<std::string> basis; // 编制依据: the regulation and the standard
    Summary summary;
    std::string sectionsHeading;
    std::vector<ReportSection> sections;
    // 编制, 校核 and 审核, each with room to sign and to date, then the client's confirmation.
    std::vector<std::string> signatures;
};

// The columns of the summary, in order.
enum class SummaryColumnIndex {
    Index,
    Name,
    Type,
    Grade,
    Amount,
    BasicFee,
    OtherFee,
    BenchmarkFee,
    Phase, // the phase whose share is charged, with the share; blank where none
    ChargedFee
};

// The report of a quote: `figures` are its items' figures in item order and `totals` what totalsOf makes
// of them.
ProjectReport buildProjectReport(const Quote& quote, const std::vector<ItemFigures>& figures,
                                 const Totals& totals);
// The same without the items' sections (sectionsHeading and sections empty): the fields, the summary and
// the rest, for what is read off the summary alone.
ProjectReport buildProjectSummary(const Quote& quote, const std::vector<ItemFigures>& figures,
                                  const Totals& totals);

// How wide a text is set in a fixed-pitch CJK font: two for a wide or full-width character, one otherwise.
std::size_t displayWidth(std::string_view utf8);

// The summary as text: the heading, the table as lines whose columns line up in a fixed-pitch CJK font
// (amounts to the right), the totals lines and the unit note.
std::vector<std::string> summaryLines(const Summary& summary);

// An item's section as the lines of text it reads as: its heading, then its steps.
std::vector<std::string> sectionLines(const ReportSection& section);

// The whole report as text, lines ended by CR LF as in the single calculation's report, no line break at
// the end: the title, the fields, the basis, the summary, the sections, the signatures, with a blank line
// between parts. Printed, the same lines stand on the pages, under a running header and above the page
// numbers.
std::string projectReportText(const ProjectReport& report);

} // namespace varnel::projects
