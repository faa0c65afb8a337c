#include "ui/reportpages.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <vector>

namespace varnel::ui {

namespace {

// The face shipped for the report: Noto Serif CJK SC cut down to the characters a report holds, with no
// CJK radical in its character map and no glyph substitutions (resources/fonts/make-report-font.py). A
// PDF names each glyph by the lowest character the face maps to it, and Noto CJK draws 用 and ⽤ with one
// glyph: in this face 用 is the only one, and every glyph drawn is some character's, so the PDF's text is
// the report's.
const QString shippedFamily = QStringLiteral("Varnel Report Serif");
const QString shippedFile = QStringLiteral("varnel-report-serif.otf");

// The face is beside the program on Windows, in share/varnel/fonts beside the program's bin folder once
// installed (beside libexec for varnel-calc-pdf, in libexec/varnel), and in the build folder while the
// program is developed and tested.
bool loadShippedFace() {
    const QString program = QCoreApplication::applicationDirPath();
    QStringList folders = {program, program + QStringLiteral("/../share/varnel/fonts"),
                           program + QStringLiteral("/../../share/varnel/fonts")};
#ifdef VARNEL_BUILD_FONT_DIR
    folders << QStringLiteral(VARNEL_BUILD_FONT_DIR);
#endif
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(shippedFile);
        if (QFileInfo::exists(path) && QFontDatabase::addApplicationFont(path) != -1)
            return true;
    }
    qWarning("%s not found: a PDF of the report may give some characters as CJK radicals",
             qPrintable(shippedFile));
    return false;
}

QFont footerFontOf(const QFont& font) {
    QFont footer = font;
    footer.setPointSizeF(font.pointSizeF() * 0.75);
    return footer;
}

} // namespace

// The font's own faces stand in for a character the shipped face lacks (a rare one typed into a name).
QFont reportPageFont(const QFont& font) {
    static const bool loaded = loadShippedFace();
    QFont paper = font;
    if (loaded)
        paper.setFamilies(QStringList{shippedFamily} + font.families());
    return paper;
}

void paintPageFooter(QPainter& painter, const QRectF& foot, int page, int pages, const QFont& font) {
    painter.setFont(footerFontOf(font));
    painter.drawText(foot, Qt::AlignHCenter | Qt::AlignBottom,
                     QStringLiteral("第 %1 页 共 %2 页").arg(page).arg(pages));
}

int pageFooterHeight(QPagedPaintDevice& device, const QFont& font) {
    return QFontMetrics(footerFontOf(font), &device).height() * 2;
}

void setUpReportPage(QPagedPaintDevice& device) {
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter));
}

int paintReport(QPagedPaintDevice& device, const QString& text, const QFont& windowFont) {
    const QFont font = reportPageFont(windowFont);
    QPainter painter(&device);
    if (!painter.isActive())
        return 0;
    // The painter's origin is the top left of the area inside the margins.
    const QRect area = device.pageLayout().paintRectPixels(device.logicalDpiX());
    const int footerHeight = pageFooterHeight(device, font);

    QTextDocument document;
    document.documentLayout()->setPaintDevice(&device);
    document.setDefaultFont(font);
    document.setDocumentMargin(0);
    document.setPlainText(QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    // With a page height the layout moves a line that would cross a page's end onto the next page.
    const QSizeF body(area.width(), area.height() - footerHeight);
    document.setPageSize(body);
    const int pages = document.pageCount();

    // Each line is drawn on the one page it was laid out on; drawing whole blocks under a clip would put
    // the text of a line cut by the clip onto two pages.
    struct PlacedLine {
        QTextLine line;
        QPointF blockOrigin;
    };
    std::vector<std::vector<PlacedLine>> pageLines(static_cast<std::size_t>(pages));
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QPointF origin = document.documentLayout()->blockBoundingRect(block).topLeft();
        QTextLayout* layout = block.layout();
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            const int page =
                std::clamp(static_cast<int>((origin.y() + line.y()) / body.height()), 0, pages - 1);
            pageLines[static_cast<std::size_t>(page)].push_back({line, origin});
        }
    }

    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            device.newPage();
        const qreal top = page * body.height();
        for (const PlacedLine& placed : pageLines[static_cast<std::size_t>(page)])
            placed.line.draw(&painter, placed.blockOrigin - QPointF(0, top));
        paintPageFooter(painter, QRectF(0, body.height(), body.width(), footerHeight), page + 1, pages, font);
    }
    return pages;
}

std::optional<std::string> pdfBytes(const QString& title, const std::function<int(QPdfWriter&)>& paint) {
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setCreator(QStringLiteral("Varnel"));
        pdf.setTitle(title);
        setUpReportPage(pdf);
        if (paint(pdf) == 0)
            return std::nullopt;
    }
    return bytes.toStdString();
}

std::optional<std::string> reportPdf(const QString& text, const QFont& windowFont) {
    return pdfBytes(QStringLiteral("计算书"),
                    [&](QPdfWriter& pdf) { return paintReport(pdf, text, windowFont); });
}

} // namespace varnel::ui
