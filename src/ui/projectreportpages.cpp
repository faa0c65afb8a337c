#include "ui/projectreportpages.h"

#include "ui/reportpages.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <optional>

namespace varnel::ui {

namespace {

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

// Builds the report as a text document; `pt` is a point in the units of the formats' lengths, and
// `pageHeight` the height of a page's text in those units.
class DocumentWriter {
  public:
    DocumentWriter(QTextDocument& document, const QFont& font, qreal pt, qreal pageHeight)
        : m_cursor(&document), m_font(font), m_device(*document.documentLayout()->paintDevice()), m_pt(pt),
          m_pageHeight(pageHeight) {}

    // One edit: the document is laid out once, at its end, not again after every paragraph.
    void write(const projects::ProjectReport& r) {
        m_cursor.beginEditBlock();
        titleAndFields(r);
        summary(r.summary);
        sections(r);
        signatures(r.signatures);
        m_cursor.endEditBlock();
    }

    // The rows of the summary that start a page; set before writing.
    void breakSummaryBefore(std::vector<int> rows) { m_rowBreaks = std::move(rows); }

    // The first row of the summary, once laid out, whose cells run from one page onto the next; none when
    // every row stands on one page.
    std::optional<int> rowAcrossPages(QTextDocument& document, qreal pageHeight) const {
        QAbstractTextDocumentLayout& layout = *document.documentLayout();
        for (std::size_t r = 0; r < m_summaryRows.size(); ++r) {
            const auto [table, row] = m_summaryRows[r];
            qreal top = std::numeric_limits<qreal>::max(), bottom = 0;
            for (int c = 0; c < table->columns(); ++c) {
                const QTextTableCell cell = table->cellAt(row, c);
                top = std::min(top, layout.blockBoundingRect(cell.firstCursorPosition().block()).top());
                bottom =
                    std::max(bottom, layout.blockBoundingRect(cell.lastCursorPosition().block()).bottom());
            }
            if (std::floor(top / pageHeight) != std::floor((bottom - 1) / pageHeight))
                return static_cast<int>(r);
        }
        return std::nullopt;
    }

    // The blocks each section starts and ends with, and those of the lines to sign, once written: the
    // pages are then arranged so that none of them is split where it fits on a page.
    struct Span {
        int first = 0;
        int last = 0;
    };
    const std::vector<Span>& sectionSpans() const { return m_sections; }
    Span signatureSpan() const { return m_signatures; }

  private:
    // A paragraph of its own after the one before. The document's first block is left empty: the layout
    // gives it no top margin, and the title needs one.
    // An amount keeps its unit's first character on its line: no break in "3471.2819 万元" before 万.
    void paragraph(const QString& text, QTextBlockFormat block = {}, QTextCharFormat chars = {}) {
        m_cursor.insertBlock(block);
        m_cursor.setBlockCharFormat(chars);
        QString kept = text;
        kept.replace(QStringLiteral(" 万元"), QStringLiteral("\u00A0万元"));
        m_cursor.insertText(kept, chars);
    }

    QTextCharFormat sized(qreal points, bool bold = false) const {
        QTextCharFormat f;
        f.setFontPointSize(points);
        if (bold)
            f.setFontWeight(QFont::Bold);
        return f;
    }

    QTextBlockFormat spaced(qreal before, qreal after = 0) const {
        QTextBlockFormat f;
        f.setTopMargin(before * m_pt);
        f.setBottomMargin(after * m_pt);
        return f;
    }

    // The title, the project's fields and the basis of the calculation, above the summary.
    void titleAndFields(const projects::ProjectReport& r) {
        QTextBlockFormat title;
        title.setAlignment(Qt::AlignHCenter);
        title.setTopMargin(6 * m_pt);
        title.setBottomMargin(18 * m_pt);
        paragraph(qs(r.title), title, sized(20, true));
        for (const projects::ReportField& f : r.fields)
            paragraph(qs(f.label + "：" + f.value), spaced(0, 4), sized(11));
        for (std::size_t i = 0; i < r.basis.size(); ++i)
            paragraph(qs(r.basis[i]), spaced(i == 0 ? 10 : 0, i + 1 == r.basis.size() ? 14 : 2), sized(10.5));
    }

    void heading(const QString& text, QTextBlockFormat block) { paragraph(text, block, sized(14, true)); }

    void cell(QTextTable* table, int row, int column, const std::string& text, projects::Alignment alignment,
              const QTextCharFormat& chars) {
        QTextCursor at = table->cellAt(row, column).firstCursorPosition();
        QTextBlockFormat block;
        block.setAlignment(alignment == projects::Alignment::Right ? Qt::AlignRight : Qt::AlignLeft);
        at.setBlockFormat(block);
        at.setBlockCharFormat(chars);
        at.insertText(qs(text), chars);
    }

    // How wide a text is set in the table's font, in the units of the formats' lengths.
    qreal advance(const std::string& text, bool bold) const {
        QFont font = m_font;
        font.setPointSizeF(tableSize);
        font.setBold(bold);
        const qreal pixelsPerUnit = m_device.logicalDpiY() / 72.0 / m_pt;
        return QFontMetricsF(font, &m_device).horizontalAdvance(qs(text)) / pixelsPerUnit;
    }

    // The columns of numbers and short words are as wide as their widest cell, and their headers take two
    // lines (序号 stands in one); a cell of words may wrap where it has a blank ("初步设计 45%"). The name
    // and the type share the rest of the width, wrapping a long one in its cell.
    QList<QTextLength> columnWidths(const projects::Summary& s, qreal padding) const {
        using Column = projects::SummaryColumnIndex;
        QList<QTextLength> widths;
        for (std::size_t c = 0; c < s.columns.size(); ++c) {
            if (c == static_cast<std::size_t>(Column::Name) || c == static_cast<std::size_t>(Column::Type)) {
                widths << QTextLength(QTextLength::VariableLength, 0);
                continue;
            }
            const projects::SummaryColumn& column = s.columns[c];
            const QString header = qs(column.header);
            const bool numbers = column.alignment == projects::Alignment::Right;
            const bool twoLines = c != static_cast<std::size_t>(Column::Index);
            qreal content =
                advance(twoLines ? header.left((header.size() + 1) / 2).toStdString() : column.header, true);
            for (const auto& row : s.rows) {
                if (numbers) {
                    content = std::max(content, advance(row.at(c), false));
                    continue;
                }
                for (const QString& word : qs(row.at(c)).split(QLatin1Char(' ')))
                    content = std::max(content, advance(word.toStdString(), false));
            }
            if (c > 0) // the first cell of the total row runs across the columns it leaves empty
                content = std::max(content, advance(s.totalRow.at(c), true));
            widths << QTextLength(QTextLength::FixedLength, content + 2 * padding + 1 * m_pt);
        }
        return widths;
    }

    // The summary as a ruled table. It is written as one table per page it takes: a row is never split
    // between pages; `rowBreaks` are the rows (counted among the items, the total row after them) that
    // start a page, each under the header row again.
    void summary(const projects::Summary& s) {
        heading(qs(s.heading), spaced(0, 8));
        const int columns = static_cast<int>(s.columns.size());
        const int bodyRows = static_cast<int>(s.rows.size()) + 1; // the items and the total

        QTextTableFormat format;
        format.setBorderCollapse(true);
        format.setBorder(0.75 * m_pt);
        format.setBorderBrush(Qt::black);
        format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        format.setCellSpacing(0);
        const qreal padding = 2 * m_pt;
        format.setCellPadding(padding);
        format.setHeaderRowCount(1);
        format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        format.setColumnWidthConstraints(columnWidths(s, padding));

        const QTextCharFormat plain = sized(tableSize);
        const QTextCharFormat bold = sized(tableSize, true);
        int from = 0;
        while (from < bodyRows) {
            int to = bodyRows;
            for (int row : m_rowBreaks)
                if (row > from && row < to)
                    to = row;
            QTextTableFormat part = format;
            if (from > 0)
                part.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            m_cursor.movePosition(QTextCursor::End);
            QTextTable* table = m_cursor.insertTable(1 + to - from, columns, part);
            // The header row is shaded; the cell's format is set once its text is in, which would replace it.
            for (int c = 0; c < columns; ++c) {
                cell(table, 0, c, s.columns[static_cast<std::size_t>(c)].header, s.columns[c].alignment,
                     bold);
                QTextTableCellFormat shaded = table->cellAt(0, c).format().toTableCellFormat();
                shaded.setBackground(QColor(0xE7, 0xE6, 0xE6));
                table->cellAt(0, c).setFormat(shaded);
            }
            for (int r = from; r < to; ++r) {
                const int at = 1 + r - from;
                m_summaryRows.push_back({table, at});
                if (r + 1 < bodyRows) {
                    for (int c = 0; c < columns; ++c)
                        cell(table, at, c,
                             s.rows[static_cast<std::size_t>(r)].at(static_cast<std::size_t>(c)),
                             s.columns[static_cast<std::size_t>(c)].alignment, plain);
                    continue;
                }
                // 合计 across the columns the total row leaves empty.
                int label = 1;
                while (label < columns && s.totalRow.at(static_cast<std::size_t>(label)).empty())
                    ++label;
                for (int c = 0; c < columns; ++c)
                    if (c == 0 || c >= label)
                        cell(table, at, c, s.totalRow.at(static_cast<std::size_t>(c)),
                             c == 0 ? projects::Alignment::Left
                                    : s.columns[static_cast<std::size_t>(c)].alignment,
                             bold);
                if (label > 1)
                    table->mergeCells(at, 0, 1, label);
            }
            from = to;
        }

        m_cursor.movePosition(QTextCursor::End);
        for (std::size_t i = 0; i < s.totalsLines.size(); ++i)
            paragraph(qs(s.totalsLines[i]), spaced(i == 0 ? 10 : 4), sized(10.5));
        paragraph(qs(s.unitNote), spaced(10), sized(9));
    }

    void sections(const projects::ProjectReport& r) {
        QTextBlockFormat first = spaced(0, 4);
        first.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        heading(qs(r.sectionsHeading), first);
        for (const projects::ReportSection& section : r.sections) {
            Span span;
            paragraph(qs(section.heading), spaced(14, 4), sized(12, true));
            span.first = m_cursor.blockNumber();
            for (const std::string& line : section.lines)
                paragraph(qs(line), spaced(2), sized(10.5));
            span.last = m_cursor.blockNumber();
            m_sections.push_back(span);
        }
    }

    void signatures(const std::vector<std::string>& lines) {
        for (std::size_t i = 0; i < lines.size(); ++i) {
            paragraph(qs(lines[i]), spaced(i == 0 ? 36 : i + 1 == lines.size() ? 30 : 22), sized(11.5));
            if (i == 0)
                m_signatures.first = m_cursor.blockNumber();
        }
        m_signatures.last = m_cursor.blockNumber();
    }

    static constexpr qreal tableSize = 9; // points (小五)

    QTextCursor m_cursor;
    std::vector<int> m_rowBreaks;
    std::vector<std::pair<QTextTable*, int>> m_summaryRows; // each row's table and row in it
    std::vector<Span> m_sections;
    Span m_signatures;
    QFont m_font;
    QPaintDevice& m_device;
    qreal m_pt;
    qreal m_pageHeight;
};

// A point in the units of a text format's lengths (margins, paddings, borders) on `device`. Fonts are laid
// out at the device's resolution, but the layout scales those lengths to it from the screen's, whatever
// that is: the scale is measured on a margin.
qreal formatPoint(QPagedPaintDevice& device) {
    constexpr qreal probe = 1000;
    QTextDocument document;
    document.documentLayout()->setPaintDevice(&device);
    document.setDocumentMargin(0);
    QTextCursor cursor(&document);
    QTextBlockFormat margin;
    margin.setTopMargin(probe);
    cursor.insertBlock(margin); // a document's first block has no top margin
    QAbstractTextDocumentLayout& layout = *document.documentLayout();
    const qreal pixels = layout.blockBoundingRect(document.lastBlock()).top() -
                         layout.blockBoundingRect(document.firstBlock()).bottom();
    const qreal pixelsPerPoint = device.logicalDpiY() / 72.0;
    return pixels > 0 ? pixelsPerPoint * probe / pixels : pixelsPerPoint;
}

// Moves the blocks from `first` to `last` to the top of the next page where they would cross a page's end
// and fit on one page. Later blocks move with them, so spans are kept together in the order they stand.
// Returns whether they fit.
bool keepTogether(QTextDocument& document, int first, int last, qreal pageHeight) {
    QAbstractTextDocumentLayout& layout = *document.documentLayout();
    const QTextBlock head = document.findBlockByNumber(first);
    const QTextBlock tail = document.findBlockByNumber(last);
    if (!head.isValid() || !tail.isValid())
        return false;
    const QRectF top = layout.blockBoundingRect(head);
    const QRectF bottom = layout.blockBoundingRect(tail);
    if (bottom.bottom() - top.top() > pageHeight)
        return false;
    // A block's rectangle starts above its top margin; its text starts below it.
    const qreal textTop = top.top() + head.blockFormat().topMargin();
    if (std::floor(textTop / pageHeight) != std::floor((bottom.bottom() - 1) / pageHeight)) {
        QTextBlockFormat format = head.blockFormat();
        format.setPageBreakPolicy(format.pageBreakPolicy() | QTextFormat::PageBreak_AlwaysBefore);
        QTextCursor(head).setBlockFormat(format);
    }
    return true;
}

// The running header: the project's name above a rule, at the head of every page.
void paintPageHeader(QPainter& painter, const QRectF& head, const QString& text, const QFont& font) {
    QFont small = font;
    small.setPointSizeF(font.pointSizeF() * 0.8);
    painter.setFont(small);
    const QRectF line = head.adjusted(0, 0, 0, -head.height() / 3);
    painter.drawText(line, Qt::AlignHCenter | Qt::AlignBottom, text);
    painter.setPen(QPen(Qt::black, 0));
    painter.drawLine(QPointF(line.left(), line.bottom() + 2), QPointF(line.right(), line.bottom() + 2));
}

} // namespace

QFont projectReportFont() {
    QFont font;
    font.setFamilies({QStringLiteral("宋体"), QStringLiteral("Noto Serif CJK SC")});
    font.setPointSizeF(10.5);
    return font;
}

int paintProjectReport(QPagedPaintDevice& device, const projects::ProjectReport& report) {
    const QFont font = reportPageFont(projectReportFont());
    QPainter painter(&device);
    if (!painter.isActive())
        return 0;
    // The painter's origin is the top left of the area inside the margins; lengths are the device's pixels.
    const QRect area = device.pageLayout().paintRectPixels(device.logicalDpiX());
    const qreal pt = formatPoint(device);
    const int footerHeight = pageFooterHeight(device, font);
    const int headerHeight = footerHeight;
    const QSizeF body(area.width(), area.height() - headerHeight - footerHeight);

    // Laid out again with a page break before a row of the summary that would run across pages, until
    // none does (a row taller than a page aside).
    std::unique_ptr<QTextDocument> laidOut;
    std::vector<int> rowBreaks;
    while (true) {
        laidOut = std::make_unique<QTextDocument>();
        QTextDocument& document = *laidOut;
        document.documentLayout()->setPaintDevice(&device);
        document.setDefaultFont(font);
        document.setDocumentMargin(0);
        // With a page height the layout moves a line that would cross a page's end onto the next page, and
        // repeats a table's header row there.
        document.setPageSize(body);
        DocumentWriter writer(document, font, pt, body.height() / device.logicalDpiY() * 72 * pt);
        writer.breakSummaryBefore(rowBreaks);
        writer.write(report);
        const std::optional<int> across = writer.rowAcrossPages(document, body.height());
        if (across && std::find(rowBreaks.begin(), rowBreaks.end(), *across) == rowBreaks.end()) {
            rowBreaks.push_back(*across);
            continue;
        }
        // Each item's section on one page where it fits; the lines to sign never alone on a page: with the
        // last section where both fit, else with the last lines of it.
        const auto& sections = writer.sectionSpans();
        const DocumentWriter::Span signatures = writer.signatureSpan();
        for (std::size_t i = 0; i < sections.size(); ++i) {
            if (i + 1 == sections.size() &&
                keepTogether(document, sections[i].first, signatures.last, body.height()))
                break;
            keepTogether(document, sections[i].first, sections[i].last, body.height());
        }
        keepTogether(document, std::max(0, signatures.first - 2), signatures.last, body.height());
        // No paragraph is split between pages either: the page would end in the middle of a sentence.
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
            if (!QTextCursor(block).currentTable())
                keepTogether(document, block.blockNumber(), block.blockNumber(), body.height());
        break;
    }
    QTextDocument& document = *laidOut;
    const int pages = document.pageCount();

    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            device.newPage();
        const qreal top = page * body.height();
        paintPageHeader(painter, QRectF(0, 0, body.width(), headerHeight), qs(report.runningHeader), font);
        painter.save();
        painter.translate(0, headerHeight);
        painter.setClipRect(QRectF(QPointF(0, 0), body));
        painter.translate(0, -top);
        // Only what lies on this page is drawn: a line that ends where the page begins belongs to the page
        // before, one that starts where it ends to the page after, and drawn here as well, hidden by the
        // clip, it would still be in the PDF's text.
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, top + 1, body.width(), body.height() - 2);
        context.palette.setColor(QPalette::Text, Qt::black);
        document.documentLayout()->draw(&painter, context);
        painter.restore();
        paintPageFooter(painter, QRectF(0, headerHeight + body.height(), body.width(), footerHeight),
                        page + 1, pages, font);
    }
    return pages;
}

std::optional<std::string> projectReportPdf(const projects::ProjectReport& report) {
    return pdfBytes(QString::fromStdString(report.title),
                    [&](QPdfWriter& pdf) { return paintProjectReport(pdf, report); });
}

} // namespace varnel::ui
