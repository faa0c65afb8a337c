// The report on paper and in files: the saved text, the PDF's text and pages, the print layout, and a save
// that fails.
#include "report/report.h"
#include "support/typicalrecord.h"
#include "ui/program.h"
#include "ui/reportcommands.h"
#include "ui/reportpages.h"

#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QRawFont>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <map>

using namespace varnel;

namespace {

// The report of a typical calculation, as the report window holds it (CR LF line ends).
std::string typicalReport() {
    return report::buildReport(test::typicalRecord());
}

QFont reportFont() {
    QFont font;
    font.setFamilies({QStringLiteral("宋体"), QStringLiteral("Noto Serif CJK SC")});
    font.setPointSizeF(12);
    return font;
}

QString run(const QString& program, const QStringList& arguments) {
    QProcess p;
    p.start(program, arguments);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The characters of a text, in order, without white space, each as a PDF's text layer names it: by the
// first code point that the font maps to the same glyph. A CJK font draws many ideographs and their
// Kangxi or supplementary radical (工 and ⼯, 页 and ⻚) with one glyph, and the PDF writer names such a
// glyph by the radical, which comes first.
class TextLayer {
  public:
    explicit TextLayer(const QFont& font) : m_font(QRawFont::fromFont(font)) {
        for (char32_t u = 0x2E80; u < 0x3000; ++u)
            if (const quint32 glyph = glyphOf(u))
                m_firstCodePoint.try_emplace(glyph, u);
    }
    QString characters(const QString& text) const {
        QString out;
        for (QChar c : text) {
            if (c.isSpace())
                continue;
            const auto first = m_firstCodePoint.find(glyphOf(c.unicode()));
            out += first != m_firstCodePoint.end() && first->second < c.unicode() ? QChar(first->second) : c;
        }
        return out;
    }

  private:
    quint32 glyphOf(char32_t u) const {
        const QChar c(static_cast<char16_t>(u));
        const QList<quint32> glyphs = m_font.glyphIndexesForString(QString(c));
        return glyphs.isEmpty() ? 0 : glyphs.first();
    }

    QRawFont m_font;
    std::map<quint32, char32_t> m_firstCodePoint;
};

QString pdfText(const QString& path) {
    return run(QStringLiteral("pdftotext"),
               {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-")});
}

int pdfPages(const QString& path) {
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(run(QStringLiteral("pdfinfo"), {path}));
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

// The PDF's text with every page's footer taken out; the footers are checked on the way.
QString bodyOf(const TextLayer& layer, const QString& pdf, int pages) {
    QString text = layer.characters(pdf);
    for (int page = 1; page <= pages; ++page) {
        const QString footer = layer.characters(QStringLiteral("第 %1 页 共 %2 页").arg(page).arg(pages));
        if (!text.contains(footer))
            return QStringLiteral("footer missing: ") + footer;
        text.replace(footer, QString());
    }
    return text;
}

} // namespace

class ReportFileTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() {
        ui::setUpApplication();
        QVERIFY(m_folder.isValid());
    }

    void theTextFileHoldsTheReportExactly() {
        const std::string report = typicalReport();
        const QString path = m_folder.filePath(QStringLiteral("计算书.txt"));
        QCOMPARE(ui::saveReport(path, report, reportFont()).error, QString());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray saved = file.readAll();
        QCOMPARE(saved, QByteArray::fromStdString(report));
        QVERIFY(saved.contains("\r\n"));
        QVERIFY(!saved.startsWith("\xEF\xBB\xBF"));
    }

    void thePdfShowsTheReportsCharactersInOrder() {
        const std::string report = typicalReport();
        const TextLayer layer(reportFont());
        const QString path = m_folder.filePath(QStringLiteral("计算书.pdf"));
        QCOMPARE(ui::saveReport(path, report, reportFont()).error, QString());
        QCOMPARE(pdfPages(path), 1);
        QCOMPARE(bodyOf(layer, pdfText(path), 1), layer.characters(QString::fromStdString(report)));
        // Every font is embedded.
        const QStringList fonts = run(QStringLiteral("pdffonts"), {path}).split(QLatin1Char('\n')).mid(2);
        for (const QString& font : fonts)
            if (!font.trimmed().isEmpty())
                QVERIFY2(font.contains(QLatin1String(" yes ")), qPrintable(font));
    }

    void aLongReportGoesOnToNumberedPages() {
        std::string report = typicalReport();
        for (int line = 1; line <= 120; ++line)
            report += "\r\n第" + std::to_string(line) + "行：" + std::string(40, 'x') +
                      "所以本工程其他设计收费为：";
        const TextLayer layer(reportFont());
        const QString path = m_folder.filePath(QStringLiteral("long.pdf"));
        QCOMPARE(ui::saveReport(path, report, reportFont()).error, QString());
        const int pages = pdfPages(path);
        QVERIFY(pages > 2);
        QCOMPARE(bodyOf(layer, pdfText(path), pages), layer.characters(QString::fromStdString(report)));
    }

    void printingUsesTheSameLayout() {
        const std::string report = typicalReport();
        const TextLayer layer(reportFont());
        const QString path = m_folder.filePath(QStringLiteral("printed.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        ui::setUpReportPage(printer);
        QCOMPARE(printer.pageLayout().pageSize().id(), QPageSize::A4);
        QCOMPARE(printer.pageLayout().margins(QPageLayout::Millimeter), QMarginsF(20, 20, 20, 20));
        QCOMPARE(ui::paintReport(printer, QString::fromStdString(report), reportFont()), 1);
        QVERIFY(QFile::exists(path));
        QCOMPARE(bodyOf(layer, pdfText(path), 1), layer.characters(QString::fromStdString(report)));
    }

    void theFileTypeFollowsTheNameOrElseTheChosenType() {
        QCOMPARE(ui::reportPath(QStringLiteral("a.PDF"), true), QStringLiteral("a.PDF"));
        QCOMPARE(ui::reportPath(QStringLiteral("a.txt"), false), QStringLiteral("a.txt"));
        QCOMPARE(ui::reportPath(QStringLiteral("a"), true), QStringLiteral("a.txt"));
        QCOMPARE(ui::reportPath(QStringLiteral("a.doc"), false), QStringLiteral("a.doc.pdf"));
    }

    void aSaveThatFailsSaysSoAndLeavesNothing() {
        for (const QString& name :
             {QStringLiteral("没有的文件夹/计算书.txt"), QStringLiteral("没有的文件夹/计算书.pdf")}) {
            const QString path = m_folder.filePath(name);
            const ui::SavedReport saved = ui::saveReport(path, typicalReport(), reportFont());
            QVERIFY(!saved.error.isEmpty());
            QVERIFY(!QFile::exists(path));
        }
        // A folder in the way of the name: the save fails and the folder stays as it was.
        QVERIFY(QDir(m_folder.path()).mkdir(QStringLiteral("taken.txt")));
        QVERIFY(!ui::saveReport(m_folder.filePath(QStringLiteral("taken.txt")), typicalReport(), reportFont())
                     .error.isEmpty());
        QVERIFY(QFileInfo(m_folder.filePath(QStringLiteral("taken.txt"))).isDir());
    }

  private:
    QTemporaryDir m_folder;
};

QTEST_MAIN(ReportFileTest)
#include "reportfile_test.moc"
