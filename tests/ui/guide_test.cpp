// The guide (使用说明) as a user reaches it: from 使用说明 on the menu bar, and with F1 in each window at
// that window's part; every picture it shows is built into the program and every part F1 leads to is in it.
#include "ui/program.h"

#include "support/namedwidgets.h"
#include "support/widgettest.h"
#include "windows/guide.h"
#include "windows/mainwindow.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>

#include <functional>
#include <set>

using namespace varnel;
namespace box = windows::mainwindow;
using test::clickButton;
using test::clickMenu;
using test::widgetOf;
using test::windowOf;

namespace {

// The message that comes before a window is answered with its OK button once it shows.
void answerTheNextMessage() {
    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box && box->button(QMessageBox::Ok))
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton, {},
                              box->button(QMessageBox::Ok)->rect().center());
    });
}

// F1 pressed where the focus is in the window, once it is the active window.
void pressF1In(QWidget* window) {
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus && focus->window() == window ? focus : window, Qt::Key_F1);
}

QTextBrowser* guideText(const ui::Program& program) {
    return program.guide() ? program.guide()->browser() : nullptr;
}

// Whether the heading that reads `heading` lies wholly in the browser's view as it is scrolled now (the
// contents list reads the same, but is no heading).
bool inView(QTextBrowser* browser, const QString& heading) {
    const QTextDocument* document = browser->document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 0 || block.text() != heading)
            continue;
        QRectF rect = document->documentLayout()->blockBoundingRect(block);
        rect.translate(-browser->horizontalScrollBar()->value(), -browser->verticalScrollBar()->value());
        return QRectF(browser->viewport()->rect()).contains(rect);
    }
    return false;
}

const QString title = QStringLiteral("Varnel 使用说明");

// Every anchor the page defines, every link within it, every picture it shows.
struct PageParts {
    std::set<QString> anchors;
    std::set<QString> links;
    std::set<QString> pictures;
};

PageParts partsOf(const QTextDocument& document) {
    PageParts parts;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            for (const QString& name : format.anchorNames())
                parts.anchors.insert(name);
            if (format.isAnchor() && format.anchorHref().startsWith(QLatin1Char('#')))
                parts.links.insert(format.anchorHref().mid(1));
            if (format.isImageFormat())
                parts.pictures.insert(format.toImageFormat().name());
        }
    }
    return parts;
}

} // namespace

class GuideTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() { ui::setUpApplication(); }

    void theHelpMenuOpensTheGuideAtItsContentsInOneWindow() {
        ui::Program program;
        program.start();
        ui::FormWindow* main = windowOf(program, windows::main);
        QVERIFY(QTest::qWaitForWindowExposed(main));
        QVERIFY(!program.guide());
        clickMenu(main, box::guide);
        QVERIFY(program.guide());
        QVERIFY(program.guide()->isVisible());
        QCOMPARE(program.guide()->windowTitle(), QStringLiteral("使用说明"));
        QVERIFY(!program.guide()->isModal());
        QVERIFY(inView(guideText(program), title));

        // Again, after reading on: the same window, back at the top.
        guideText(program)->verticalScrollBar()->setValue(guideText(program)->verticalScrollBar()->maximum());
        QVERIFY(!inView(guideText(program), title));
        QPointer<ui::GuideWindow> first = program.guide();
        clickMenu(main, box::guide);
        QCOMPARE(program.guide(), first.data());
        QVERIFY(inView(guideText(program), title));
        int guides = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            guides += w->objectName() == QLatin1String("Guide") && w->isVisible();
        QCOMPARE(guides, 1);
        // The standard's text is still where it was.
        clickMenu(main, box::help);
        QVERIFY(windowOf(program, windows::help));
    }

    void f1OpensTheGuideAtTheWindowsPart() {
        struct Case {
            std::string_view window;
            std::function<void(ui::FormWindow* main)> open; // as a user opens it from the main window
            QString heading;
        };
        const Case cases[] = {
            {windows::main, [](ui::FormWindow*) {}, QStringLiteral("主窗口：计算一项工程")},
            {windows::report, [](ui::FormWindow* main) { clickButton(main, box::showReport); },
             QStringLiteral("计算书")},
            {windows::help, [](ui::FormWindow* main) { clickMenu(main, box::help); },
             QStringLiteral("帮助：收费标准原文")},
            {windows::author,
             [](ui::FormWindow* main) {
                 answerTheNextMessage();
                 clickMenu(main, box::aboutAuthor);
             },
             QStringLiteral("关于")},
            {windows::planning,
             [](ui::FormWindow* main) {
                 QWidget* types = widgetOf(*main, box::typeList);
                 types->setFocus();
                 for (int i = 0; i < 3; ++i) // 建筑、人防工程: its group holds the button
                     QTest::keyClick(types, Qt::Key_Down);
                 clickButton(main, box::planningFee);
             },
             QStringLiteral("建筑总平面布置及小区规划设计收费")},
            {windows::project, [](ui::FormWindow* main) { clickMenu(main, box::projectWindow); },
             QStringLiteral("项目：整个项目的报价")},
            {windows::industry, [](ui::FormWindow* main) { clickMenu(main, box::industryWindow); },
             QStringLiteral("全行业设计收费")},
        };
        for (const Case& c : cases) {
            const QByteArray which = test::qstring(c.window).toUtf8();
            ui::Program program;
            program.start();
            ui::FormWindow* main = windowOf(program, windows::main);
            QVERIFY(QTest::qWaitForWindowExposed(main));
            c.open(main);
            ui::FormWindow* w = windowOf(program, c.window);
            QVERIFY2(w, which);
            pressF1In(w);
            QVERIFY2(program.guide() && program.guide()->isVisible(), which);
            QVERIFY2(inView(guideText(program), c.heading), which);
            QVERIFY2(!inView(guideText(program), title), which);
            // F1 again in the main window moves the same guide to the main window's part.
            if (c.window != windows::main) {
                QPointer<ui::GuideWindow> guide = program.guide();
                pressF1In(main);
                QCOMPARE(program.guide(), guide.data());
                QVERIFY2(inView(guideText(program), QStringLiteral("主窗口：计算一项工程")), which);
                QVERIFY2(!inView(guideText(program), c.heading), which);
            }
        }
    }

    void everyPictureIsBuiltInAndEveryPartIsThere() {
        ui::Program program;
        program.showGuide(windows::guide::contents);
        const PageParts parts = partsOf(*guideText(program)->document());

        QVERIFY(parts.pictures.size() >= 4);
        for (const QString& picture : parts.pictures) {
            const QImage image(QStringLiteral(":/varnel/guide/") + picture);
            QVERIFY2(!image.isNull(), qPrintable(picture));
            QVERIFY2(image.width() >= 200 && image.height() >= 100, qPrintable(picture));
        }

        QVERIFY(parts.anchors.contains(test::qstring(windows::guide::contents)));
        for (const std::string& window : windows::names())
            QVERIFY2(parts.anchors.contains(test::qstring(windows::guide::partOf(window))), window.c_str());
        for (const QString& link : parts.links)
            QVERIFY2(parts.anchors.contains(link), qPrintable(link));
    }
};

VARNEL_WIDGET_TEST_MAIN(GuideTest)
#include "guide_test.moc"
