#include "ui/reportpages.h"

#include <QAbstractTextDocumentLayout>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <vector>

namespace varnel::ui {

void setUpReportPage(QPagedPaintDevice& device) {
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter));
}

int paintReport(QPagedPaintDevice& device, const QString& text, const QFont& font) {
    QPainter painter(&device);
    if (!painter.isActive())
        return 0;
    // The painter's origin is the top left of the area inside the margins.
    const QRect area = device.pageLayout().paintRectPixels(device.logicalDpiX());
    QFont footerFont = font;
    footerFont.setPointSizeF(font.pointSizeF() * 0.75);
    const int footerHeight = QFontMetrics(footerFont, &device).height() * 2;

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
        painter.setFont(footerFont);
        painter.drawText(QRectF(0, body.height(), body.width(), footerHeight),
                         Qt::AlignHCenter | Qt::AlignBottom,
                         QStringLiteral("第 %1 页 共 %2 页").arg(page + 1).arg(pages));
    }
    return pages;
}

} // namespace varnel::ui
