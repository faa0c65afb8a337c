// The program's windows as a user meets them: single instances, closing, reopening and the end.
#include "ui/program.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace varnel;

namespace {

void clickButton(ui::FormWindow* w, const char* name) {
    QWidget* button = w->control(name);
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}

// A menu command as a user picks it: a click on the bar, and for a sub-menu's item a click in that menu.
void clickMenu(ui::FormWindow* w, const char* name) {
    QMenuBar* bar = w->menuBar();
    QAction* item = w->menuItem(name);
    QVERIFY(item);
    for (QAction* top : bar->actions()) {
        const QPoint onBar = bar->actionGeometry(top).center();
        if (top == item) {
            QTest::mouseClick(bar, Qt::LeftButton, {}, onBar);
            return;
        }
        if (QMenu* menu = top->menu(); menu && menu->actions().contains(item)) {
            QTest::mouseClick(bar, Qt::LeftButton, {}, onBar);
            QVERIFY(menu->isVisible());
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
            return;
        }
    }
    QFAIL(name);
}

// Chooses an engineering type with the arrow keys, the way the type list allows.
void chooseTypeByKeyboard(ui::FormWindow* w, int downPresses) {
    QWidget* combo = w->control("Combo2");
    combo->setFocus();
    for (int i = 0; i < downPresses; ++i)
        QTest::keyClick(combo, Qt::Key_Down);
}

} // namespace

class ProgramTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() { ui::setUpApplication(); }

    void theMainWindowOpensCentredWithTheFocusOnTheTypeList() {
        ui::Program program;
        program.start();
        ui::FormWindow* main = program.window("Form1");
        QVERIFY(main);
        QVERIFY(QTest::qWaitForWindowExposed(main));
        QCOMPARE(main->windowTitle(), QStringLiteral("Varnel"));
        QCOMPARE(main->focusWidget()->objectName(), QStringLiteral("Combo2"));
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(std::abs(main->frameGeometry().center().x() - screen.center().x()) <= 2);
        QVERIFY(!main->windowIcon().isNull());
        QVERIFY(!program.window("Form2"));
    }

    void helpIsASingleInstanceBroughtToTheFront() {
        ui::Program program;
        program.start();
        clickMenu(program.window("Form1"), "help");
        ui::FormWindow* first = program.window("Form3");
        QVERIFY(first);
        clickMenu(program.window("Form1"), "help");
        QCOMPARE(program.window("Form3"), first);
        int helpWindows = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            helpWindows += w->objectName() == QLatin1String("Form3") && w->isVisible();
        QCOMPARE(helpWindows, 1);
        auto* text = qobject_cast<QPlainTextEdit*>(first->control("Text1"));
        QVERIFY(text->isReadOnly());
        QCOMPARE(text->document()->blockCount(), 64); // 63 lines, each ended by a line break
    }

    void theReportWindowShowsTheReportAndAClosedWindowComesBackFresh() {
        ui::Program program;
        program.start();
        clickButton(program.window("Form1"), "Command2");
        ui::FormWindow* report = program.window("Form2");
        QVERIFY(report);
        auto* text = qobject_cast<QPlainTextEdit*>(report->control("Text1"));
        QVERIFY(text->toPlainText().startsWith(QStringLiteral("欢迎使用本程序，下面是您的计算过程：\n")));
        QVERIFY(text->font().families().contains(QStringLiteral("Noto Serif CJK SC")));

        chooseTypeByKeyboard(program.window("Form1"), 3); // 建筑、人防工程: its group holds the button
        QCOMPARE(program.window("Form1")->model().text("Combo2"), std::string("建筑、人防工程"));
        clickButton(program.window("Form1"), "Command3");
        ui::FormWindow* planning = program.window("Form5");
        QVERIFY(planning);
        QCOMPARE(planning->focusWidget()->objectName(), QStringLiteral("Text1"));
        QTest::keyClicks(planning->control("Text1"), QStringLiteral("2"));
        QCOMPARE(planning->model().text("Text1"), std::string("2"));
        planning->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!program.window("Form5"));
        clickButton(program.window("Form1"), "Command3");
        QCOMPARE(qobject_cast<QLineEdit*>(program.window("Form5")->control("Text1"))->text(), QString());
    }

    void closingTheMainWindowLeavesTheOthersRunning() {
        ui::Program program;
        QSignalSpy finished(&program, &ui::Program::finished);
        program.start();
        clickMenu(program.window("Form1"), "help");
        program.window("Form1")->close();
        QCOMPARE(finished.count(), 0);
        QVERIFY(program.window("Form3"));
        program.window("Form3")->close();
        QCOMPARE(finished.count(), 1);
        QVERIFY(program.ended());
    }

    void exitEndsTheProgramWithEveryWindow() {
        ui::Program program;
        QSignalSpy finished(&program, &ui::Program::finished);
        program.start();
        ui::FormWindow* main = program.window("Form1");
        clickMenu(main, "help");
        clickButton(main, "Command2");
        clickMenu(main, "exit");
        QCOMPARE(finished.count(), 1);
        for (const char* form : {"Form1", "Form2", "Form3"})
            QVERIFY(!program.window(form));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (QWidget* w : QApplication::topLevelWidgets())
            QVERIFY2(!w->isVisible() || !w->objectName().startsWith(QLatin1String("Form")),
                     qPrintable(w->objectName()));
    }
};

QTEST_MAIN(ProgramTest)
#include "program_test.moc"
