// The project window as a user meets it: its table follows the project, rows are selected and opened by
// mouse and keys, the float is committed by Enter or by leaving its box, the last window asks before an
// unsaved project is lost, and project files are read and written whole.
#include "ui/program.h"

#include "projects/projectfile.h"
#include "support/namedwidgets.h"
#include "support/samplequote.h"
#include "support/widgettest.h"
#include "windows/mainwindow.h"
#include "windows/projectwindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace varnel;
namespace box = windows::mainwindow;
namespace pw = windows::projectwindow;
using test::widgetOf;
using test::windowOf;

namespace {

// Answers the next message box with the button of that caption, and notes what it said.
class MessageAnswer : public QObject {
  public:
    explicit MessageAnswer(QString button) : m_button(std::move(button)) {
        m_watch.setInterval(10);
        connect(&m_watch, &QTimer::timeout, this, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            m_watch.stop();
            text = box->text();
            for (QAbstractButton* b : box->buttons())
                if (b->text() == m_button)
                    QTimer::singleShot(0, b, [b] { b->click(); });
        });
        m_watch.start();
    }
    QString text;

  private:
    QString m_button;
    QTimer m_watch;
};

QString pathOf(const QTemporaryDir& folder, const char* name) {
    return folder.filePath(QString::fromUtf8(name));
}

void writeQuote(const QString& path, const projects::Quote& quote) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    const std::string bytes = projects::writeProjectFile(quote);
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

void writeSample(const QString& path) {
    writeQuote(path, test::sampleQuote());
}

// Types the text as a user does, an input method delivering the characters no key types.
void typeInto(QWidget* w, const QString& text) {
    for (QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(w, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

QTableWidget* tableOf(ui::FormWindow* w) {
    return widgetOf<QTableWidget>(*w, pw::items);
}

} // namespace

class ProjectWindowTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() { ui::setUpApplication(); }

    void theTableShowsEveryItemAndTheTotalRowLast() {
        QTemporaryDir folder;
        writeSample(pathOf(folder, "道路.varnel"));
        ui::Program program(pathOf(folder, "settings.ini"));
        program.start(pathOf(folder, "道路.varnel").toStdString());
        ui::FormWindow* w = windowOf(program, windows::project);
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral("项目 - 某某道路工程"));
        QCOMPARE(windowOf(program, windows::main)->windowTitle(), QStringLiteral("Varnel - 某某道路工程"));
        QTableWidget* table = tableOf(w);
        QCOMPARE(table->rowCount(), 4);
        QCOMPARE(table->columnCount(), 9);
        QCOMPARE(table->horizontalHeaderItem(7)->text(), QStringLiteral("单独委托阶段"));
        QCOMPARE(table->horizontalHeaderItem(8)->text(), QStringLiteral("计入合计的收费"));
        QCOMPARE(table->item(1, 0)->text(), QStringLiteral("地下人防"));
        QCOMPARE(table->item(1, 6)->text(), QStringLiteral("63.5828"));
        QCOMPARE(table->item(0, 7)->text(), QStringLiteral("初步设计 45%"));
        QCOMPARE(table->item(3, 0)->text(), QStringLiteral("合计"));
        QVERIFY(table->item(3, 0)->font().bold());
        QVERIFY(!(table->item(3, 0)->flags() & Qt::ItemIsSelectable));
        QVERIFY(!(table->item(1, 0)->flags() & Qt::ItemIsEditable));
        QCOMPARE(table->item(0, 0)->textAlignment() & Qt::AlignRight, 0);
        QVERIFY(table->item(0, 4)->textAlignment() & Qt::AlignRight);
        QCOMPARE(table->accessibleName(), QStringLiteral("单项工程"));
        QCOMPARE(w->model().currentRow(pw::items), 0);
        QVERIFY(table->item(0, 0)->isSelected());
        // Every column's heading and cells are seen whole.
        for (int c = 0; c < table->columnCount(); ++c)
            QVERIFY2(table->columnWidth(c) >= table->horizontalHeader()->sectionSizeHint(c) - 1,
                     qPrintable(QString::number(c)));
        QVERIFY(table->horizontalHeader()->length() <= table->viewport()->width());
    }

    // At its first size the window fits a 1366 × 768 screen and shows every column of its table whole, with
    // long names and kinds of engineering too: the names give way, the amounts never do.
    void everyColumnIsInViewAtTheFirstSize() {
        QTemporaryDir folder;
        projects::Quote quote = test::mixedQuote();
        quote.items[0].name = "一个名称相当长的单项工程（第二标段，含主线道路、匝道和辅道）";
        quote.contractAmount = 9999999.9999;
        writeQuote(pathOf(folder, "园区.varnel"), quote);
        ui::Program program(pathOf(folder, "settings.ini"));
        program.start(pathOf(folder, "园区.varnel").toStdString());
        ui::FormWindow* w = windowOf(program, windows::project);
        QVERIFY(w);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QVERIFY2(w->width() <= 1366 && w->height() <= 768 - 40,
                 qPrintable(QStringLiteral("%1 × %2").arg(w->width()).arg(w->height())));
        QTableWidget* table = tableOf(w);
        for (int c = 0; c < table->columnCount(); ++c) {
            const int right = table->columnViewportPosition(c) + table->columnWidth(c);
            QVERIFY2(right <= table->viewport()->width(),
                     qPrintable(QStringLiteral("%1 ends at %2 of %3")
                                    .arg(table->horizontalHeaderItem(c)->text())
                                    .arg(right)
                                    .arg(table->viewport()->width())));
        }
        // Every amount and its heading are seen whole.
        const QFontMetrics metrics(table->font());
        for (int c = 3; c < table->columnCount(); ++c) {
            QVERIFY(table->columnWidth(c) >= table->horizontalHeader()->sectionSizeHint(c) - 1);
            for (int row = 0; row < table->rowCount(); ++row)
                QVERIFY2(table->columnWidth(c) >= metrics.horizontalAdvance(table->item(row, c)->text()),
                         qPrintable(table->item(row, c)->text()));
        }
        // The total and the contract amount are seen whole up to 9,999,999.9999 万元.
        QCOMPARE(widgetOf<QLineEdit>(*w, pw::contract)->text(), QStringLiteral("9999999.9999"));
        for (std::string_view box : {pw::total, pw::contract}) {
            auto* edit = widgetOf<QLineEdit>(*w, box);
            QVERIFY2(edit->fontMetrics().horizontalAdvance(QStringLiteral("9999999.9999")) + 8 <=
                         edit->contentsRect().width(),
                     qPrintable(QString::number(edit->contentsRect().width())));
        }
    }

    void aRowIsSelectedAndOpenedByMouseAndByKeys() {
        QTemporaryDir folder;
        writeSample(pathOf(folder, "道路.varnel"));
        ui::Program program(pathOf(folder, "settings.ini"));
        program.start(pathOf(folder, "道路.varnel").toStdString());
        ui::FormWindow* w = windowOf(program, windows::project);
        QTableWidget* table = tableOf(w);
        const QPoint second = table->visualItemRect(table->item(1, 0)).center();
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, second);
        QCOMPARE(w->model().currentRow(pw::items), 1);
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, second);
        ui::FormWindow* main = windowOf(program, windows::main);
        QCOMPARE(main->model().text(box::typeList), std::string("建筑、人防工程"));
        QCOMPARE(widgetOf<QLineEdit>(*main, box::benchmarkFee)->text(), QStringLiteral(" 63.58275"));

        // The total row is not an item: a click there selects nothing.
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                          table->visualItemRect(table->item(3, 0)).center());
        QCoreApplication::processEvents();
        QCOMPARE(w->model().currentRow(pw::items), 1);
        QCOMPARE(table->currentRow(), 1);

        w->activateWindow();
        table->setFocus();
        QTest::keyClick(table, Qt::Key_Down);
        QCOMPARE(w->model().currentRow(pw::items), 2);
        QTest::keyClick(table, Qt::Key_Return);
        QCOMPARE(main->model().text(box::typeList), std::string("园林绿化工程"));
        QCOMPARE(main->model().text(box::amount), std::string("300"));
    }

    void theKeyboardReachesEveryControlInOrder() {
        QTemporaryDir folder;
        ui::Program program(pathOf(folder, "settings.ini"));
        program.start();
        program.showWindow(windows::project);
        ui::FormWindow* w = windowOf(program, windows::project);
        QVERIFY(QTest::qWaitForWindowActive(w));
        widgetOf(*w, pw::name)->setFocus();
        std::vector<std::string> order;
        for (int i = 0; i < 15; ++i) {
            order.push_back(QApplication::focusWidget()->objectName().toStdString());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        // The item actions and the outputs are disabled while the project has no item: Tab passes them by,
        // and reaches the project's own file.
        const std::vector<std::string> expected{
            "name",         "date",          "client",         "designer",      "items",
            "floatPercent", "newTechnology", "contractAmount", "total",         "contract",
            "taxRate",      "taxIncluded",   "saveProject",    "saveProjectAs", "name"};
        QCOMPARE(order, expected);
    }

    void theFloatIsCommittedByEnterOrByLeavingTheBox() {
        QTemporaryDir folder;
        writeSample(pathOf(folder, "道路.varnel"));
        ui::Program program(pathOf(folder, "settings.ini"));
        program.start(pathOf(folder, "道路.varnel").toStdString());
        ui::FormWindow* w = windowOf(program, windows::project);
        QVERIFY(QTest::qWaitForWindowActive(w));
        auto* floatBox = widgetOf<QLineEdit>(*w, pw::floatPercent);
        floatBox->setFocus();
        floatBox->selectAll();
        QTest::keyClicks(floatBox, QStringLiteral("25"));
        {
            MessageAnswer answer(QStringLiteral("确定"));
            QTest::keyClick(floatBox, Qt::Key_Return);
            QCOMPARE(answer.text,
                     QStringLiteral(
                         "浮动幅度值应为 -20 到 20 之间的数（单位为 %；《工程勘察设计收费管理规定》第六条），"
                         "“25”不是。浮动幅度值仍为 -5%。"));
        }
        QCOMPARE(floatBox->text(), QStringLiteral("-5"));
        w->activateWindow(); // the offscreen platform does not give it back after the message
        QVERIFY(QTest::qWaitForWindowActive(w));
        floatBox->setFocus();
        floatBox->selectAll();
        QTest::keyClicks(floatBox, QStringLiteral("10"));
        QTest::keyClick(floatBox, Qt::Key_Tab); // leaving the floatBox commits it
        QCOMPARE(program.project().quote.floatPercent, 10.0);
        QCOMPARE(w->windowTitle(), QStringLiteral("项目 - 某某道路工程 *"));
    }

    void theLastWindowAsksBeforeAnUnsavedProjectIsLost() {
        QTemporaryDir folder;
        writeSample(pathOf(folder, "道路.varnel"));
        ui::Program program(pathOf(folder, "settings.ini"));
        QSignalSpy finished(&program, &ui::Program::finished);
        program.start(pathOf(folder, "道路.varnel").toStdString());
        windowOf(program, windows::main)->close(); // the project window is still open: nothing is lost
        QVERIFY(!windowOf(program, windows::main));
        ui::FormWindow* w = windowOf(program, windows::project);
        typeInto(widgetOf(*w, pw::designer), QStringLiteral("某某院"));
        {
            MessageAnswer answer(QStringLiteral("取消"));
            w->close();
            QCOMPARE(answer.text, QStringLiteral("项目“某某道路工程”已经修改，要保存吗？"));
        }
        QVERIFY(windowOf(program, windows::project));
        QCOMPARE(finished.count(), 0);
        {
            MessageAnswer answer(QStringLiteral("保存"));
            w->close();
        }
        QCOMPARE(finished.count(), 1);
        QFile saved(pathOf(folder, "道路.varnel"));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(saved.readAll().contains("\"designer\": \"某某市政设计研究院某某院\""));
    }

    void filesAreReadAndWrittenWholeOrNotAtAll() {
        QTemporaryDir folder;
        ui::Program program(pathOf(folder, "settings.ini"));
        const std::optional<forms::WriteFailure> failure =
            program.writeFile(pathOf(folder, "no-such-folder/道路.varnel").toStdString(), "x");
        QVERIFY(failure);
        QCOMPARE(failure->what, std::string("文件夹不存在"));
        QVERIFY(!QFile::exists(pathOf(folder, "no-such-folder")));
        QVERIFY(!program.writeFile(pathOf(folder, "道路.varnel").toStdString(), "{}"));
        QCOMPARE(program.readFile(pathOf(folder, "道路.varnel").toStdString(), 100).bytes, std::string("{}"));
        QCOMPARE(program.readFile(pathOf(folder, "gone.varnel").toStdString(), 100).error,
                 std::string("文件不存在"));
        QVERIFY(!program.readFile(folder.path().toStdString(), 100).error.empty()); // a folder
        QFile big(pathOf(folder, "big.varnel"));
        QVERIFY(big.open(QIODevice::WriteOnly));
        QVERIFY(big.resize(101));
        big.close();
        const forms::FileContents contents = program.readFile(big.fileName().toStdString(), 100);
        QVERIFY(contents.tooLarge);
        QCOMPARE(contents.size, 101u);
        QVERIFY(contents.bytes.empty());
    }

    void theRecentProjectsAreKeptInTheSettings() {
        QTemporaryDir folder;
        const QString settings = pathOf(folder, "settings.ini");
        {
            ui::Program program(settings);
            program.setRecentProjects({"/a/道路.varnel", "/b/桥.varnel"});
        }
        ui::Program program(settings);
        program.start();
        QCOMPARE(program.recentProjects(), (std::vector<std::string>{"/a/道路.varnel", "/b/桥.varnel"}));
        QAction* second = test::menuItemOf(*windowOf(program, windows::main), box::recentProject(1));
        QVERIFY(second->isVisible());
        QCOMPARE(second->text(), QStringLiteral("2 /b/桥.varnel"));
        QVERIFY(!test::menuItemOf(*windowOf(program, windows::main), box::recentProject(2))->isVisible());
        QVERIFY(!test::menuItemOf(*windowOf(program, windows::main), box::noRecentProject)->isVisible());
    }
};

VARNEL_WIDGET_TEST_MAIN(ProjectWindowTest)
#include "projectwindow_test.moc"
#include "windows/windows.h"
