// The program's windows as a user meets them: single instances, closing, reopening and the end.
#include "ui/program.h"

#include "support/namedwidgets.h"
#include "support/widgettest.h"
#include "windows/mainwindow.h"
#include "windows/secondarywindows.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QIcon>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>

#include <memory>
#include <utility>

using namespace varnel;
namespace box = windows::mainwindow;
using test::clickButton;
using test::clickMenu;
using test::widgetOf;
using test::windowOf;

namespace {

// Chooses an engineering type with the arrow keys, the way the type list allows.
void chooseTypeByKeyboard(ui::FormWindow* w, int downPresses) {
    QWidget* combo = widgetOf(*w, box::typeList);
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
        ui::FormWindow* main = windowOf(program, windows::main);
        QVERIFY(main);
        QVERIFY(QTest::qWaitForWindowExposed(main));
        QCOMPARE(main->windowTitle(), QStringLiteral("Varnel"));
        QCOMPARE(main->focusWidget()->objectName(), test::qstring(box::typeList));
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(std::abs(main->frameGeometry().center().x() - screen.center().x()) <= 2);
        QVERIFY(!main->windowIcon().isNull());
        QVERIFY(!windowOf(program, windows::report));
    }

    // The icon is drawn at every size a title bar, a task bar or a file manager asks for, each from its
    // own file: none is a smaller file scaled up.
    void theIconServesEverySizeFromItsOwnPixels() {
        const QIcon icon = QApplication::windowIcon();
        // Offered to whoever asks which sizes there are: those a title bar or a task bar shows.
        QCOMPARE(icon.availableSizes(),
                 (QList<QSize>{QSize(16, 16), QSize(24, 24), QSize(32, 32), QSize(48, 48), QSize(64, 64)}));
        QVERIFY(icon.availableSizes(QIcon::Disabled).isEmpty());
        // Each size from its own file, a size beyond the largest from the largest; asked largest first, so
        // that no smaller file decoded before stands in for a larger one.
        for (auto [asked, side] : {std::pair{512, 256},
                                   {256, 256},
                                   {128, 128},
                                   {64, 64},
                                   {48, 48},
                                   {32, 32},
                                   {24, 24},
                                   {16, 16}}) {
            const QImage image = icon.pixmap(QSize(asked, asked)).toImage();
            const QImage file(QStringLiteral(":/varnel/icons/varnel-%1.png").arg(side));
            QCOMPARE(image.size(), QSize(side, side));
            QVERIFY2(image == file.convertToFormat(image.format()), qPrintable(QString::number(asked)));
        }
    }

    // The arrow a menu bar shows when its menus do not fit is the style's own, drawn when first asked for.
    void theMenuBarsArrowIsTheStylesOwn() {
        std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
        for (const auto which : {QStyle::SP_ToolBarHorizontalExtensionButton,
                                 QStyle::SP_ToolBarVerticalExtensionButton, QStyle::SP_DialogOkButton}) {
            const QIcon icon = QApplication::style()->standardIcon(which);
            const QIcon own = fusion->standardIcon(which);
            QVERIFY(!icon.isNull());
            QCOMPARE(icon.availableSizes(), own.availableSizes());
            QCOMPARE(icon.actualSize(QSize(16, 16)), own.actualSize(QSize(16, 16)));
            QCOMPARE(icon.pixmap(QSize(16, 16)).toImage(), own.pixmap(QSize(16, 16)).toImage());
            QCOMPARE(icon.pixmap(QSize(16, 16), 2.0).toImage(), own.pixmap(QSize(16, 16), 2.0).toImage());
            QImage painted(16, 16, QImage::Format_ARGB32_Premultiplied), ownPainted = painted;
            for (auto [image, source] : {std::pair{&painted, &icon}, std::pair{&ownPainted, &own}}) {
                image->fill(Qt::transparent);
                QPainter painter(image);
                source->paint(&painter, image->rect());
            }
            QCOMPARE(painted, ownPainted);
        }
    }

    void helpIsASingleInstanceBroughtToTheFront() {
        ui::Program program;
        program.start();
        clickMenu(windowOf(program, windows::main), box::help);
        ui::FormWindow* first = windowOf(program, windows::help);
        QVERIFY(first);
        clickMenu(windowOf(program, windows::main), box::help);
        QCOMPARE(windowOf(program, windows::help), first);
        int helpWindows = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            helpWindows += w->objectName() == test::qstring(windows::help) && w->isVisible();
        QCOMPARE(helpWindows, 1);
        auto* text = widgetOf<QPlainTextEdit>(*first, windows::helpwindow::text);
        QVERIFY(text->isReadOnly());
        QCOMPARE(text->document()->blockCount(), 64); // 63 lines, each ended by a line break
    }

    void theReportWindowShowsTheReportAndAClosedWindowComesBackFresh() {
        ui::Program program;
        program.start();
        clickButton(windowOf(program, windows::main), box::showReport);
        ui::FormWindow* report = windowOf(program, windows::report);
        QVERIFY(report);
        auto* text = widgetOf<QPlainTextEdit>(*report, windows::reportwindow::text);
        QVERIFY(text->toPlainText().startsWith(QStringLiteral("欢迎使用本程序，下面是您的计算过程：\n")));
        QVERIFY(text->font().families().contains(QStringLiteral("Noto Serif CJK SC")));

        chooseTypeByKeyboard(windowOf(program, windows::main),
                             3); // 建筑、人防工程: its group holds the button
        QCOMPARE(windowOf(program, windows::main)->model().text(box::typeList),
                 std::string("建筑、人防工程"));
        clickButton(windowOf(program, windows::main), box::planningFee);
        ui::FormWindow* planning = windowOf(program, windows::planning);
        QVERIFY(planning);
        QCOMPARE(planning->focusWidget()->objectName(), test::qstring(windows::planningwindow::area));
        QTest::keyClicks(widgetOf(*planning, windows::planningwindow::area), QStringLiteral("2"));
        QCOMPARE(planning->model().text(windows::planningwindow::area), std::string("2"));
        planning->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!windowOf(program, windows::planning));
        clickButton(windowOf(program, windows::main), box::planningFee);
        QCOMPARE(
            widgetOf<QLineEdit>(*windowOf(program, windows::planning), windows::planningwindow::area)->text(),
            QString());
    }

    void closingTheMainWindowLeavesTheOthersRunning() {
        ui::Program program;
        QSignalSpy finished(&program, &ui::Program::finished);
        program.start();
        clickMenu(windowOf(program, windows::main), box::help);
        windowOf(program, windows::main)->close();
        QCOMPARE(finished.count(), 0);
        QVERIFY(windowOf(program, windows::help));
        windowOf(program, windows::help)->close();
        QCOMPARE(finished.count(), 1);
        QVERIFY(program.ended());
    }

    void exitEndsTheProgramWithEveryWindow() {
        ui::Program program;
        QSignalSpy finished(&program, &ui::Program::finished);
        program.start();
        ui::FormWindow* main = windowOf(program, windows::main);
        clickMenu(main, box::help);
        clickButton(main, box::showReport);
        clickMenu(main, box::exit);
        QCOMPARE(finished.count(), 1);
        for (std::string_view form : {windows::main, windows::report, windows::help})
            QVERIFY(!windowOf(program, form));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (QWidget* w : QApplication::topLevelWidgets())
            QVERIFY2(!w->isVisible() || !w->objectName().startsWith(QLatin1String("Form")),
                     qPrintable(w->objectName()));
    }
};

VARNEL_WIDGET_TEST_MAIN(ProgramTest)
#include "program_test.moc"
#include "windows/windows.h"
