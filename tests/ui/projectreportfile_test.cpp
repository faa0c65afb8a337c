// The project's 计算书 on paper and in files: the text file, the PDF's text, pages, fonts and table, the
// print layout, and a save that fails.
#include "pdfreading.h"
#include "projects/files.h"
#include "projects/projectreport.h"
#include "session/reportfile.h"
#include "support/samplequote.h"
#include "support/widgettest.h"
#include "ui/program.h"
#include "ui/projectreportpages.h"
#include "ui/reportpages.h"

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

using namespace varnel;
using test::bodyWithoutPageMarks;
using test::firstDifference;
using test::shippedFace;
using test::standIn;
using test::withoutBlanks;

Q_DECLARE_METATYPE(projects::Quote)

namespace {

projects::ProjectReport reportOf(const projects::Quote& q) {
    std::vector<projects::ItemFigures> figures;
    for (const projects::Item& item : q.items)
        figures.push_back(std::get<projects::ItemFigures>(projects::figuresOf(item.inputs)));
    return projects::buildProjectReport(q, figures, projects::totalsOf(q, figures));
}

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

// Saves the report as the project window's 项目计算书另存为 does: why not, nothing once saved.
std::optional<projects::FileFailure> saveProjectReport(const QString& path,
                                                       const projects::ProjectReport& r) {
    return session::writeReportFile(
        path.toStdString(), projects::projectReportText(r), [&] { return ui::projectReportPdf(r); },
        [](const std::string& file, std::string_view bytes) {
            return projects::writeWholeFile(file, bytes);
        });
}

// Every text the pages carry below their running headers, in the order they are drawn: the title, the
// fields and the basis, the table's cells row by row (the total row's empty cells are one with its label),
// the totals lines, the sections, the signatures.
QStringList drawnTexts(const projects::ProjectReport& r) {
    QStringList texts{qs(r.title)};
    for (const projects::ReportField& f : r.fields)
        texts << qs(f.label + "：" + f.value);
    for (const std::string& line : r.basis)
        texts << qs(line);
    texts << qs(r.summary.heading);
    for (const projects::SummaryColumn& c : r.summary.columns)
        texts << qs(c.header);
    for (const auto& row : r.summary.rows)
        for (const std::string& cell : row)
            texts << qs(cell);
    for (const std::string& cell : r.summary.totalRow)
        texts << qs(cell);
    for (const std::string& line : r.summary.totalsLines)
        texts << qs(line);
    texts << qs(r.summary.unitNote) << qs(r.sectionsHeading);
    for (const projects::ReportSection& s : r.sections) {
        texts << qs(s.heading);
        for (const std::string& line : s.lines)
            texts << qs(line);
    }
    for (const std::string& line : r.signatures)
        texts << qs(line);
    return texts;
}

// A project of `count` items, each named by its number, the sample's three in turn: a table over pages.
projects::Quote longProject(int count) {
    const projects::Quote sample = test::sampleQuote();
    projects::Quote q = sample;
    q.items.clear();
    for (int i = 0; i < count; ++i) {
        projects::Item item = sample.items[static_cast<std::size_t>(i) % sample.items.size()];
        item.name = "第" + std::to_string(1000 + i) + "号单项";
        q.items.push_back(item);
    }
    return q;
}

// The horizontal and vertical rules of a page: runs of dark pixels at least `length` long, neighbouring
// rows or columns of pixels counted as one rule.
struct Rules {
    int horizontal = 0;
    int vertical = 0;
};

Rules rulesOn(const QImage& page, int length) {
    const auto dark = [&page](int x, int y) { return qGray(page.pixel(x, y)) < 160; };
    const auto count = [&](int lines, int along, bool rows) {
        int rules = 0;
        bool previous = false;
        for (int i = 0; i < lines; ++i) {
            int run = 0, longest = 0;
            for (int j = 0; j < along; ++j) {
                run = (rows ? dark(j, i) : dark(i, j)) ? run + 1 : 0;
                longest = std::max(longest, run);
            }
            const bool rule = longest >= length;
            rules += rule && !previous;
            previous = rule;
        }
        return rules;
    };
    return {count(page.height(), page.width(), true), count(page.width(), page.height(), false)};
}

} // namespace

class ProjectReportFileTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() {
        ui::setUpApplication();
        QVERIFY(m_folder.isValid());
    }

    void theTextFileHoldsTheReportsTextWithCrLf() {
        const projects::ProjectReport r = reportOf(test::sampleQuote());
        const QString path = m_folder.filePath(QStringLiteral("项目计算书.txt"));
        QCOMPARE(saveProjectReport(path, r), std::nullopt);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray saved = file.readAll();
        QCOMPARE(saved, QByteArray::fromStdString(projects::projectReportText(r)));
        QVERIFY(saved.count("\r\n") > 40);
        QCOMPARE(saved.count('\n'), saved.count("\r\n"));
        QVERIFY(!saved.startsWith("\xEF\xBB\xBF"));
    }

    // The PDF's text is what the pages carry, character for character (blanks aside), in the order drawn,
    // with a footer on each page, no CJK radical in place of an ideograph, and every font embedded.
    void thePdfsTextIsTheReports_data() {
        QTest::addColumn<projects::Quote>("quote");
        QTest::addColumn<QStringList>("fonts");
        QTest::newRow("the sample project") << test::sampleQuote() << QStringList{shippedFace};
        projects::Quote typed = test::sampleQuote();
        typed.name = "Office Tower “Fifth Avenue”——一期 (fl. 3-5)";
        typed.client = "某某置业 ffi fl";
        typed.items[0].name = "主线道路（一标段）K0+000～K3+500，含匝道、人行天桥及地下通道的全部工程内容";
        QTest::newRow("Latin, dashes and a long name in a cell") << typed << QStringList{shippedFace};
        // 見龜乚 are outside GB2312 but share their glyphs with radicals in Noto CJK, so the shipped face
        // holds them; 堃赟喆 come from the face that stands in.
        projects::Quote rare = test::sampleQuote();
        rare.designer = "堃赟喆見龜乚设计事务所";
        rare.items[1].name = "赟喆地下人防";
        QTest::newRow("rare characters in names") << rare << QStringList{standIn, shippedFace};
    }

    void thePdfsTextIsTheReports() {
        QFETCH(projects::Quote, quote);
        QFETCH(QStringList, fonts);
        const projects::ProjectReport r = reportOf(quote);
        const QString path = m_folder.filePath(QStringLiteral("项目计算书.pdf"));
        QCOMPARE(saveProjectReport(path, r), std::nullopt);
        const int pages = test::pdfPages(path);
        QVERIFY2(pages >= 2, qPrintable(QString::number(pages))); // the summary, then the sections
        const QString text = test::pdfText(path);
        QCOMPARE(test::radicalsIn(text), QString());
        const QString body = bodyWithoutPageMarks(text, pages, qs(r.runningHeader));
        QString differs = firstDifference(body, withoutBlanks(drawnTexts(r).join(QString())));
        QVERIFY2(differs.isEmpty(), qPrintable(differs));
        // The text file says the same, word for word: the table's cells stand in its lines in the same order.
        differs = firstDifference(body, withoutBlanks(qs(projects::projectReportText(r))));
        QVERIFY2(differs.isEmpty(), qPrintable(differs));
        QCOMPARE(test::pdfFonts(path), fonts);
    }

    // Over several pages the table's header row is repeated on each, and every row is drawn once, whole.
    void aLongTableRunsOverPages() {
        const projects::ProjectReport r = reportOf(longProject(60));
        const QString path = m_folder.filePath(QStringLiteral("长项目.pdf"));
        QCOMPARE(saveProjectReport(path, r), std::nullopt);
        const int pages = test::pdfPages(path);
        const QString body = bodyWithoutPageMarks(test::pdfText(path), pages, qs(r.runningHeader));
        QVERIFY2(!body.startsWith(QLatin1String("footer")), qPrintable(body));
        for (const auto& row : r.summary.rows) {
            // In its row and as its section's heading, nowhere else.
            const QString name = qs(row[1]);
            QVERIFY2(body.count(name) == 2, qPrintable(name));
            QVERIFY2(body.contains(withoutBlanks(qs(row[0] + row[1] + row[2] + row[3] + row[4] + row[5] +
                                                    row[6] + row[7] + row[8] + row[9]))),
                     qPrintable(name));
        }
        QVERIFY(body.count(QStringLiteral("计入合计的收费")) >= 2);
        // Every other text in order: the repeated headers are the only texts the pages add.
        qsizetype at = 0;
        for (const QString& piece : drawnTexts(r)) {
            const qsizetype found = body.indexOf(withoutBlanks(piece), at);
            QVERIFY2(found >= 0, qPrintable(QStringLiteral("missing or out of order: ") + piece));
            at = found + withoutBlanks(piece).size();
        }
    }

    // The summary is a ruled table: laid out as on the page, a row's number, grade and figures stand on its
    // first line in the order of the columns (the words of its name, type and phase may wrap in their
    // cells), and the page shows a rule above, between and below its rows, and between its columns.
    void theSummaryIsATable() {
        const projects::ProjectReport r = reportOf(test::sampleQuote());
        const QString path = m_folder.filePath(QStringLiteral("表格.pdf"));
        QCOMPARE(saveProjectReport(path, r), std::nullopt);
        const QStringList lines = test::pdfText(path, true).split(QLatin1Char('\n'));
        using Column = projects::SummaryColumnIndex;
        const Column unwrapped[] = {Column::Index,     Column::Grade,    Column::Amount,
                                    Column::BasicFee,  Column::OtherFee, Column::BenchmarkFee,
                                    Column::ChargedFee};
        for (const auto& row : r.summary.rows) {
            const auto cellOf = [&row](Column c) { return qs(row[static_cast<std::size_t>(c)]); };
            const auto line = std::find_if(lines.begin(), lines.end(), [&](const QString& l) {
                return l.contains(cellOf(Column::BenchmarkFee)) && l.contains(cellOf(Column::ChargedFee));
            });
            QVERIFY2(line != lines.end(), row[1].c_str());
            qsizetype at = 0;
            for (Column c : unwrapped) {
                const qsizetype found = line->indexOf(cellOf(c), at);
                QVERIFY2(found >= at, qPrintable(*line + QStringLiteral(" lacks ") + cellOf(c)));
                at = found + cellOf(c).size();
            }
        }
        // At 80 dpi the text is 595 pixels wide; the table's rules are longer than any run of text's ink.
        const QImage page = test::pdfPage(path, 1, 80, m_folder.path());
        QVERIFY(!page.isNull());
        const Rules rules = rulesOn(page, 30);
        // The running header's rule, then the table's: above the header, between the rows, below the total.
        QCOMPARE(rules.horizontal, 1 + static_cast<int>(r.summary.rows.size()) + 3);
        QCOMPARE(rules.vertical, static_cast<int>(r.summary.columns.size()) + 1);
    }

    // Each item's section stands whole on one page, and the lines to sign share their page with the end of
    // the last section: in long projects whose sections would otherwise cross pages anywhere.
    void sectionsAndSignaturesAreNotSplit_data() {
        QTest::addColumn<int>("items");
        for (int items : {2, 3, 5, 8, 13})
            QTest::newRow(qPrintable(QString::number(items))) << items;
    }

    void sectionsAndSignaturesAreNotSplit() {
        QFETCH(int, items);
        projects::Quote q = longProject(items);
        for (projects::Item& item : test::edgeItems())
            q.items.push_back(item);
        const projects::ProjectReport r = reportOf(q);
        const QString path = m_folder.filePath(QStringLiteral("分页.pdf"));
        QCOMPARE(saveProjectReport(path, r), std::nullopt);
        const int pages = test::pdfPages(path);
        QStringList pageTexts;
        for (int page = 1; page <= pages; ++page)
            pageTexts << withoutBlanks(test::pdfPageText(path, page));
        const auto pageOf = [&](const QString& text, int from) {
            for (int page = from; page < pages; ++page)
                if (pageTexts[page].contains(withoutBlanks(text)))
                    return page;
            return -1;
        };
        int page = 0;
        for (const projects::ReportSection& s : r.sections) {
            page = pageOf(qs(s.heading), page);
            QVERIFY2(page >= 0, s.heading.c_str());
            // The section's last line, and every line between, on the heading's page.
            for (const std::string& line : s.lines)
                QVERIFY2(pageTexts[page].contains(withoutBlanks(qs(line))),
                         qPrintable(qs(s.heading + " / " + line) + QStringLiteral(" not on page ") +
                                    QString::number(page + 1)));
        }
        const int signing = pageOf(qs(r.signatures.front()), 0);
        QCOMPARE(signing, pages - 1);
        QCOMPARE(pageOf(qs(r.signatures.back()), 0), signing);
        QVERIFY2(pageTexts[signing].contains(withoutBlanks(qs(r.sections.back().lines.back()))),
                 "the lines to sign stand alone on their page");
    }

    void printingUsesTheSameLayout() {
        const projects::ProjectReport r = reportOf(test::sampleQuote());
        const QString path = m_folder.filePath(QStringLiteral("printed.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        ui::setUpReportPage(printer);
        QCOMPARE(printer.pageLayout().pageSize().id(), QPageSize::A4);
        QCOMPARE(printer.pageLayout().margins(QPageLayout::Millimeter), QMarginsF(20, 20, 20, 20));
        const int pages = ui::paintProjectReport(printer, r);
        QVERIFY(pages >= 2);
        QVERIFY(QFile::exists(path));
        QCOMPARE(test::pdfPages(path), pages);
        const QString differs =
            firstDifference(bodyWithoutPageMarks(test::pdfText(path), pages, qs(r.runningHeader)),
                            withoutBlanks(drawnTexts(r).join(QString())));
        QVERIFY2(differs.isEmpty(), qPrintable(differs));
        QCOMPARE(test::pdfFonts(path), QStringList{shippedFace});
    }

    void aSaveThatFailsSaysSoAndLeavesNothing() {
        const projects::ProjectReport r = reportOf(test::sampleQuote());
        for (const QString& name :
             {QStringLiteral("没有的文件夹/项目计算书.txt"), QStringLiteral("没有的文件夹/项目计算书.pdf")}) {
            const QString path = m_folder.filePath(name);
            QVERIFY(saveProjectReport(path, r));
            QVERIFY(!QFile::exists(path));
        }
        // A folder in the way of the name: the save fails and the folder stays as it was, empty.
        QVERIFY(QDir(m_folder.path()).mkdir(QStringLiteral("taken.pdf")));
        QVERIFY(saveProjectReport(m_folder.filePath(QStringLiteral("taken.pdf")), r));
        QVERIFY(QFileInfo(m_folder.filePath(QStringLiteral("taken.pdf"))).isDir());
        QVERIFY(QDir(m_folder.filePath(QStringLiteral("taken.pdf"))).isEmpty());
        QCOMPARE(QDir(m_folder.path()).entryList({QStringLiteral("*.pdf.*"), QStringLiteral("*.txt.*")}),
                 QStringList());
    }

  private:
    QTemporaryDir m_folder;
};

VARNEL_WIDGET_TEST_MAIN(ProjectReportFileTest)
#include "projectreportfile_test.moc"
