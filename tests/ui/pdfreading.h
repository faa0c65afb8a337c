#pragma once

// Reading a saved PDF back with poppler's tools: its text, its pages, its fonts, a page as an image.
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

namespace varnel::test {

inline QString runTool(const QString& program, const QStringList& arguments) {
    QProcess p;
    p.start(program, arguments);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The PDF's text in the order it was drawn (-raw), or laid out as on the page (-layout). pdftotext's usual
// reading order would join a line that ends in "-" to the next one and drop the "-" as a hyphen.
inline QString pdfText(const QString& path, bool layout = false) {
    return runTool(QStringLiteral("pdftotext"),
                   {layout ? QStringLiteral("-layout") : QStringLiteral("-raw"), QStringLiteral("-enc"),
                    QStringLiteral("UTF-8"), path, QStringLiteral("-")});
}

inline int pdfPages(const QString& path) {
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                                          .match(runTool(QStringLiteral("pdfinfo"), {path}));
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

inline QString withoutBlanks(const QString& text) {
    QString out;
    for (QChar c : text)
        if (!c.isSpace())
            out += c;
    return out;
}

// The PDF's text without blanks and with every page's footer ("第 1 页 共 3 页") taken out; a footer missing
// or standing twice is said instead.
inline QString bodyWithoutFooters(const QString& pdf, int pages) {
    QString text = withoutBlanks(pdf);
    for (int page = 1; page <= pages; ++page) {
        const QString footer = withoutBlanks(QStringLiteral("第 %1 页 共 %2 页").arg(page).arg(pages));
        if (text.count(footer) != 1)
            return QStringLiteral("footer missing or repeated: ") + footer;
        text.replace(footer, QString());
    }
    return text;
}

// The same, with every page's running header (`header`, the same on each page) also taken out.
inline QString bodyWithoutPageMarks(const QString& pdf, int pages, const QString& header) {
    QString text = bodyWithoutFooters(pdf, pages);
    const QString head = withoutBlanks(header);
    if (text.count(head) != pages)
        return QStringLiteral("running header missing or repeated: ") + head;
    text.replace(head, QString());
    return text;
}

// The text of one page (from 1), in the order it was drawn.
inline QString pdfPageText(const QString& path, int page) {
    return runTool(QStringLiteral("pdftotext"),
                   {QStringLiteral("-raw"), QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                    QString::number(page), QStringLiteral("-enc"), QStringLiteral("UTF-8"), path,
                    QStringLiteral("-")});
}

// Where a PDF's text first differs from the expected text, with a little of each from there; empty when it
// does not.
inline QString firstDifference(const QString& pdf, const QString& expected) {
    if (pdf == expected)
        return {};
    qsizetype at = 0;
    while (at < pdf.size() && at < expected.size() && pdf[at] == expected[at])
        ++at;
    return QStringLiteral("from character %1 the PDF has \"%2\" where the report has \"%3\"")
        .arg(at)
        .arg(pdf.mid(at, 30), expected.mid(at, 30));
}

// The face shipped for the report, as a PDF names it, and the system's face that stands in for it.
inline const QString shippedFace = QStringLiteral("VarnelReportSerif-Regular");
inline const QString standIn = QStringLiteral("NotoSerifCJKsc-Regular");

// The CJK radicals (U+2E80 to U+2FDF) in a text, which a PDF gives in place of ideographs that a face
// draws with the same glyph (⼯ for 工, ⻚ for 页).
inline QString radicalsIn(const QString& text) {
    QString radicals;
    for (QChar c : text)
        if (c.unicode() >= 0x2E80 && c.unicode() <= 0x2FDF)
            radicals += c;
    return radicals;
}

// The PDF's fonts by name, each marked where it is not embedded. pdffonts writes a line a font: its name,
// type and encoding, then "yes" or "no" for embedded, subset and Unicode map, and the object's number.
inline QStringList pdfFonts(const QString& path) {
    QStringList names;
    const QRegularExpression blanks(QStringLiteral("\\s+"));
    for (const QString& line : runTool(QStringLiteral("pdffonts"), {path}).split(QLatin1Char('\n')).mid(2)) {
        const QStringList columns = line.split(blanks, Qt::SkipEmptyParts);
        if (columns.size() < 7)
            continue;
        const bool embedded = columns.at(columns.size() - 5) == QLatin1String("yes");
        names << (embedded ? columns.first() : columns.first() + QStringLiteral(" (not embedded)"));
    }
    names.sort();
    return names;
}

// One page of the PDF as an image at `dpi`, as pdftoppm renders it.
inline QImage pdfPage(const QString& path, int page, int dpi, const QString& folder) {
    const QString prefix = folder + QStringLiteral("/page");
    runTool(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QString::number(dpi),
                                         QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                                         QString::number(page), QStringLiteral("-singlefile"), path, prefix});
    return QImage(prefix + QStringLiteral(".png"));
}

} // namespace varnel::test
