#include "ui/reportpages.h"

#include <QAbstractTextDocumentLayout>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextDocument>

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

    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            device.newPage();
        painter.save();
        const QRectF shown(0, page * body.height(), body.width(), body.height());
        painter.translate(0, -shown.top());
        painter.setClipRect(shown);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = shown;
        context.palette.setColor(QPalette::Text, Qt::black);
        document.documentLayout()->draw(&painter, context);
        painter.restore();

        painter.setFont(footerFont);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, body.height(), body.width(), footerHeight),
                         Qt::AlignHCenter | Qt::AlignBottom,
                         QStringLiteral("第 %1 页 共 %2 页").arg(page + 1).arg(pages));
    }
    return pages;
}

} // namespace varnel::ui
