#include "ui/projectreportpages.h"

#include "ui/reportpages.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include <algorithm>

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
        titlePage(r);
        summary(r.summary);
        sections(r);
        signatures(r.signatures);
        m_cursor.endEditBlock();
    }

  private:
    // A paragraph of its own after the one before. The document's first block is left empty: the layout
    // gives it no top margin, and the title needs one.
    void paragraph(const QString& text, QTextBlockFormat block = {}, QTextCharFormat chars = {}) {
        m_cursor.insertBlock(block);
        m_cursor.setBlockCharFormat(chars);
        m_cursor.insertText(text, chars);
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

    // The title a quarter down the page, the project's fields below it; the summary starts a new page.
    void titlePage(const projects::ProjectReport& r) {
        QTextBlockFormat title;
        title.setAlignment(Qt::AlignHCenter);
        title.setTopMargin(m_pageHeight * 0.25);
        title.setBottomMargin(48 * m_pt);
        paragraph(qs(r.title), title, sized(26, true));
        for (std::size_t i = 0; i < r.fields.size(); ++i) {
            QTextBlockFormat field = spaced(0, 14);
            field.setLeftMargin(96 * m_pt);
            if (i + 1 == r.fields.size())
                field.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysAfter);
            paragraph(qs(r.fields[i].label + "：" + r.fields[i].value), field, sized(14));
        }
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

    // The columns of numbers and short words are as wide as their widest cell, a header of numbers taking
    // two lines; the name and the type share the rest of the width, wrapping a long one in its cell.
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
            qreal content =
                advance(numbers ? header.left((header.size() + 1) / 2).toStdString() : column.header, true);
            for (const auto& row : s.rows)
                content = std::max(content, advance(row.at(c), false));
            if (c > 0) // the first cell of the total row runs across the columns it leaves empty
                content = std::max(content, advance(s.totalRow.at(c), true));
            widths << QTextLength(QTextLength::FixedLength, content + 2 * padding + 3 * m_pt);
        }
        return widths;
    }

    void summary(const projects::Summary& s) {
        heading(qs(s.heading), spaced(0, 8));
        const int columns = static_cast<int>(s.columns.size());
        const int rows = static_cast<int>(s.rows.size()) + 2;

        QTextTableFormat format;
        format.setBorderCollapse(true);
        format.setBorder(0.75 * m_pt);
        format.setBorderBrush(Qt::black);
        format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        format.setCellSpacing(0);
        const qreal padding = 3 * m_pt;
        format.setCellPadding(padding);
        format.setHeaderRowCount(1);
        format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        format.setColumnWidthConstraints(columnWidths(s, padding));
        QTextTable* table = m_cursor.insertTable(rows, columns, format);

        const QTextCharFormat plain = sized(tableSize);
        const QTextCharFormat bold = sized(tableSize, true);
        // The header row is shaded; the cell's format is set once its text is in, which would replace it.
        for (int c = 0; c < columns; ++c) {
            cell(table, 0, c, s.columns[static_cast<std::size_t>(c)].header, s.columns[c].alignment, bold);
            QTextTableCellFormat shaded = table->cellAt(0, c).format().toTableCellFormat();
            shaded.setBackground(QColor(0xE7, 0xE6, 0xE6));
            table->cellAt(0, c).setFormat(shaded);
        }
        for (int r = 0; r + 2 < rows; ++r)
            for (int c = 0; c < columns; ++c)
                cell(table, r + 1, c, s.rows[static_cast<std::size_t>(r)].at(static_cast<std::size_t>(c)),
                     s.columns[static_cast<std::size_t>(c)].alignment, plain);
        // 合计 across the columns the total row leaves empty.
        const int totalRow = rows - 1;
        int label = 1;
        while (label < columns && s.totalRow.at(static_cast<std::size_t>(label)).empty())
            ++label;
        for (int c = 0; c < columns; ++c)
            if (c == 0 || c >= label)
                cell(table, totalRow, c, s.totalRow.at(static_cast<std::size_t>(c)),
                     c == 0 ? projects::Alignment::Left : s.columns[static_cast<std::size_t>(c)].alignment,
                     bold);
        if (label > 1)
            table->mergeCells(totalRow, 0, 1, label);

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
            paragraph(qs(section.heading), spaced(14, 4), sized(12, true));
            for (const std::string& line : section.chosen)
                paragraph(qs(line), spaced(1), sized(10.5));
            for (std::size_t i = 0; i < section.calculation.size(); ++i)
                paragraph(qs(section.calculation[i]), spaced(i == 0 ? 8 : 0), sized(10.5));
        }
    }

    void signatures(const std::vector<std::string>& lines) {
        for (std::size_t i = 0; i < lines.size(); ++i)
            paragraph(qs(lines[i]), spaced(i == 0 ? 48 : 28), sized(12));
    }

    static constexpr qreal tableSize = 10.5; // points

    QTextCursor m_cursor;
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
    const QSizeF body(area.width(), area.height() - footerHeight);

    QTextDocument document;
    document.documentLayout()->setPaintDevice(&device);
    document.setDefaultFont(font);
    document.setDocumentMargin(0);
    // With a page height the layout moves a line, or a table row, that would cross a page's end onto the
    // next page, and repeats the table's header row there.
    document.setPageSize(body);
    DocumentWriter(document, font, pt, body.height() / device.logicalDpiY() * 72 * pt).write(report);
    const int pages = document.pageCount();

    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            device.newPage();
        const qreal top = page * body.height();
        painter.save();
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
        paintPageFooter(painter, QRectF(0, body.height(), body.width(), footerHeight), page + 1, pages, font);
    }
    return pages;
}

SavedReport saveProjectReport(const QString& path, const projects::ProjectReport& report) {
    return saveReportFile(
        path, projects::projectReportText(report),
        [&](QPdfWriter& pdf) { return paintProjectReport(pdf, report); },
        QString::fromStdString(report.title));
}

} // namespace varnel::ui
