// The report on paper and in files: the saved text, the PDF's text and pages, the print layout, and a save
// that fails.
#include "pdfreading.h"
#include "projects/files.h"
#include "report/report.h"
#include "session/reportfile.h"
#include "support/typicalrecord.h"
#include "support/widgettest.h"
#include "ui/printing.h"
#include "ui/program.h"
#include "ui/reportpages.h"

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace varnel;
using test::bodyWithoutFooters;
using test::firstDifference;
using test::pdfPages;
using test::pdfText;
using test::radicalsIn;
using test::shippedFace;
using test::standIn;
using test::withoutBlanks;

namespace {

// The report of a typical calculation, as the report window holds it (CR LF line ends).
std::string typicalReport() {
    return report::buildReport(test::typicalRecord());
}

// The report window's font.
QFont reportFont() {
    QFont font;
    font.setFamilies({QStringLiteral("宋体"), QStringLiteral("Noto Serif CJK SC")});
    font.setPointSizeF(12);
    return font;
}

// Saves the report as the report window's 另存为 does: why not, nothing once saved.
std::optional<projects::FileFailure> saveReport(const QString& path, const std::string& report) {
    return session::writeReportFile(
        path.toStdString(), report,
        [&] { return ui::reportPdf(QString::fromStdString(report), reportFont()); },
        [](const std::string& file, std::string_view bytes) {
            return projects::writeWholeFile(file, bytes);
        });
}

// Every text the report writer can write: each string literal of its sources on a line of its own, and
// a line of the characters its numbers are written with.
QString everyReportText() {
    QStringList lines;
    const QRegularExpression literal(QStringLiteral("\"((?:[^\"\\\\\\n]|\\\\.)*)\""));
    const QRegularExpression escape(QStringLiteral("\\\\."));
    const QDir folder(QStringLiteral(VARNEL_REPORT_SOURCE_DIR));
    for (const QString& name :
         folder.entryList({QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files)) {
        QFile source(folder.filePath(name));
        if (!source.open(QIODevice::ReadOnly))
            return {};
        for (const QString& line : QString::fromUtf8(source.readAll()).split(QLatin1Char('\n'))) {
            if (line.startsWith(QLatin1String("#include")))
                continue;
            for (auto match = literal.globalMatch(line); match.hasNext();)
                lines << match.next().captured(1).remove(escape);
        }
    }
    lines << QStringLiteral("0123456789.-E+");
    return lines.join(QLatin1String("\r\n"));
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
        QCOMPARE(saveReport(path, report), std::nullopt);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray saved = file.readAll();
        QCOMPARE(saved, QByteArray::fromStdString(report));
        QVERIFY(saved.contains("\r\n"));
        QVERIFY(!saved.startsWith("\xEF\xBB\xBF"));
    }

    // The PDF's text is the report's, character for character (blanks aside), with a footer on each page,
    // no CJK radical in place of an ideograph, and every font embedded.
    void thePdfsTextIsTheReports_data() {
        QTest::addColumn<QString>("report");
        QTest::addColumn<int>("minimumPages");
        QTest::addColumn<QStringList>("fonts");

        QTest::newRow("a typical report")
            << QString::fromStdString(typicalReport()) << 1 << QStringList{shippedFace};
        QTest::newRow("every text the report writer writes")
            << everyReportText() << 1 << QStringList{shippedFace};
        QString longReport = QString::fromStdString(typicalReport());
        for (int line = 1; line <= 120; ++line)
            longReport += QStringLiteral("\r\n第%1行：%2所以本工程其他设计收费为：")
                              .arg(line)
                              .arg(QString(40, QLatin1Char('x')));
        QTest::newRow("a long report on numbered pages") << longReport << 3 << QStringList{shippedFace};
        // Latin ligatures (ffi, fi) and a pair of dashes, which Noto CJK would draw as one glyph each.
        QTest::newRow("Latin and dashes in a name")
            << QString::fromStdString(typicalReport()) +
                   QStringLiteral("\r\n工程名称：Office Tower “Fifth Avenue”——一期 (fl. 3-5)")
            << 1 << QStringList{shippedFace};
        // 見龜乚 are outside GB2312 but share their glyphs with radicals (⾒⻱⺃) in Noto CJK, so the shipped
        // face holds them too; 堃赟喆 come from the face that stands in.
        QTest::newRow("rare characters in a name")
            << QString::fromStdString(typicalReport()) + QStringLiteral("\r\n工程名称：堃赟喆見龜乚大楼") << 1
            << QStringList{standIn, shippedFace};
    }

    void thePdfsTextIsTheReports() {
        QFETCH(QString, report);
        QFETCH(int, minimumPages);
        QFETCH(QStringList, fonts);
        QVERIFY(report.contains(QStringLiteral("欢迎使用本程序")));
        const QString path = m_folder.filePath(QStringLiteral("计算书.pdf"));
        QCOMPARE(saveReport(path, report.toStdString()), std::nullopt);
        const int pages = pdfPages(path);
        QVERIFY2(pages >= minimumPages, qPrintable(QString::number(pages)));
        const QString text = pdfText(path);
        QCOMPARE(radicalsIn(text), QString());
        const QString differs = firstDifference(bodyWithoutFooters(text, pages), withoutBlanks(report));
        QVERIFY2(differs.isEmpty(), qPrintable(differs));
        QCOMPARE(test::pdfFonts(path), fonts);
    }

    void printingUsesTheSameLayout() {
        const std::string report = typicalReport();
        const QString path = m_folder.filePath(QStringLiteral("printed.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        ui::setUpReportPage(printer);
        QCOMPARE(printer.pageLayout().pageSize().id(), QPageSize::A4);
        QCOMPARE(printer.pageLayout().margins(QPageLayout::Millimeter), QMarginsF(20, 20, 20, 20));
        QCOMPARE(ui::paintReport(printer, QString::fromStdString(report), reportFont()), 1);
        QVERIFY(QFile::exists(path));
        const QString differs = firstDifference(bodyWithoutFooters(pdfText(path), 1),
                                                withoutBlanks(QString::fromStdString(report)));
        QVERIFY2(differs.isEmpty(), qPrintable(differs));
        QCOMPARE(test::pdfFonts(path), QStringList{shippedFace});
    }

    void aSaveThatFailsSaysSoAndLeavesNothing() {
        for (const QString& name :
             {QStringLiteral("没有的文件夹/计算书.txt"), QStringLiteral("没有的文件夹/计算书.pdf")}) {
            const QString path = m_folder.filePath(name);
            QVERIFY(saveReport(path, typicalReport()));
            QVERIFY(!QFile::exists(path));
        }
        // A folder in the way of the name: the save fails and the folder stays as it was.
        QVERIFY(QDir(m_folder.path()).mkdir(QStringLiteral("taken.txt")));
        QVERIFY(saveReport(m_folder.filePath(QStringLiteral("taken.txt")), typicalReport()));
        QVERIFY(QFileInfo(m_folder.filePath(QStringLiteral("taken.txt"))).isDir());
    }

    // Without a printer of the system's (a Windows machine with none installed) the print dialog is not
    // shown.
    void aMachineWithoutPrintersIsToldSo() {
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        QCOMPARE(ui::choosePrinter(printer, QStringLiteral("计算书"), nullptr), ui::PrintChoice::NoPrinter);
        // The printer was set up for the report before the question: its name in the queue and its page.
        QCOMPARE(printer.docName(), QStringLiteral("计算书"));
        QCOMPARE(printer.creator(), QStringLiteral("Varnel"));
        QCOMPARE(printer.pageLayout().pageSize().id(), QPageSize::A4);
        QCOMPARE(printer.pageLayout().margins(QPageLayout::Millimeter), QMarginsF(20, 20, 20, 20));
    }

  private:
    QTemporaryDir m_folder;
};

VARNEL_WIDGET_TEST_MAIN(ReportFileTest)
#include "reportfile_test.moc"
