// The widgets built from the window definitions, and how they follow the control model.
#include "support/namedwidgets.h"
#include "support/widgettest.h"
#include "ui/captionedframe.h"
#include "ui/formwindow.h"
#include "ui/modelwidgets.h"
#include "ui/program.h"
#include "windows/mainwindow.h"

#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTest>

using namespace varnel;
namespace box = windows::mainwindow;
using test::widgetOf;

class FormWindowTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() { ui::setUpApplication(); }

    void aClickOnACheckBoxGoesThroughTheModel() {
        ui::FormWindow w(windows::mainWindowDefinition());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        int clicks = 0;
        w.model().onClick(box::overallDesign, [&] { ++clicks; });
        auto* overall = widgetOf<QCheckBox>(w, box::overallDesign);
        QVERIFY(overall);
        QTest::mouseClick(overall, Qt::LeftButton, {}, QPoint(6, overall->height() / 2));
        QCOMPARE(w.model().value(box::overallDesign), 1);
        QCOMPARE(clicks, 1);
        QVERIFY(overall->isChecked());

        // A disabled box takes no click; a write by code shows at once.
        auto* commission = widgetOf<QCheckBox>(w, box::independentPhase);
        QTest::mouseClick(commission, Qt::LeftButton, {}, QPoint(6, commission->height() / 2));
        QCOMPARE(w.model().value(box::independentPhase), 0);
        w.model().untickAndClick(box::overallDesign);
        QVERIFY(!overall->isChecked());
        QCOMPARE(clicks, 2);

        // The space key on the focused box is a click too.
        overall->setFocus();
        QTest::keyClick(overall, Qt::Key_Space);
        QCOMPARE(w.model().value(box::overallDesign), 1);
        QCOMPARE(clicks, 3);
    }

    void aModelThatRefusesLeavesTheWidgetAlone() {
        ui::FormWindow w(windows::mainWindowDefinition());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        // Option buttons start disabled: a click changes neither the model nor the widget.
        w.model().setEnabled(box::preliminaryPhase, true);
        auto* option = widgetOf<QRadioButton>(w, box::preliminaryPhase);
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
        QVERIFY(option->isChecked());
        QCOMPARE(w.model().value(box::preliminaryPhase), 1);
        w.model().setEnabled(box::drawingPhase, true);
        auto* other = widgetOf<QRadioButton>(w, box::drawingPhase);
        QTest::mouseClick(other, Qt::LeftButton, {}, QPoint(6, other->height() / 2));
        QVERIFY(!option->isChecked());
        QVERIFY(other->isChecked());
    }

    // A screen reader hears the phases as option buttons, sees which is chosen, and can choose one;
    // a disabled one cannot be chosen that way either.
    void optionButtonsAreRadioButtonsToAScreenReader() {
        ui::FormWindow w(windows::mainWindowDefinition());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QAccessibleInterface* first =
            QAccessible::queryAccessibleInterface(widgetOf(w, box::preliminaryPhase));
        QAccessibleInterface* second = QAccessible::queryAccessibleInterface(widgetOf(w, box::drawingPhase));
        QCOMPARE(first->role(), QAccessible::RadioButton);
        QCOMPARE(first->text(QAccessible::Name), QStringLiteral("初步设计"));
        QVERIFY(first->state().checkable);
        // Only the name falls back on the caption; a description stays what the widget says.
        QCOMPARE(first->text(QAccessible::Description), widgetOf(w, box::preliminaryPhase)->toolTip());
        QVERIFY(first->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
        first->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(w.model().value(box::preliminaryPhase), 0);
        w.model().setEnabled(box::preliminaryPhase, true);
        w.model().setEnabled(box::drawingPhase, true);
        first->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(w.model().value(box::preliminaryPhase), 1);
        QVERIFY(first->state().checked);
        second->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QCOMPARE(w.model().value(box::drawingPhase), 1);
        QVERIFY(!first->state().checked);
        QVERIFY(second->state().checked);
        // A frame is heard by its own caption, not by the caption of the frame around it.
        const std::string& gradeFrame = w.model().definition().at(box::gradeIDescription).container;
        QCOMPARE(QAccessible::queryAccessibleInterface(w.control(gradeFrame))->text(QAccessible::Name),
                 QStringLiteral("工程复杂程度"));
    }

    void undoTakesBackTheLatestEditEvenWhenTheHistoryIsTrimmed() {
        ui::FormWindow w(windows::mainWindowDefinition());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto* amount = widgetOf<QLineEdit>(w, box::amount);
        QTest::mouseClick(amount, Qt::LeftButton);
        QTest::keyClicks(amount, QStringLiteral("12"));
        QTest::keyClick(amount, Qt::Key_Z, Qt::ControlModifier); // typing in a row is one step
        QCOMPARE(w.model().text(box::amount), std::string());
        QTest::keyClick(amount, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(w.model().text(box::amount), std::string("12"));

        // Past the limit the history starts again with the latest edit in it: here a long paste between
        // the two digits, then a digit after it.
        const QString digits(ui::ModelLineEdit::undoLimit + 5000, QLatin1Char('7'));
        QGuiApplication::clipboard()->setText(digits);
        QTest::keyClick(amount, Qt::Key_Left);
        QTest::keyClick(amount, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(amount, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(amount->text(), QStringLiteral("1") + digits + digits + QStringLiteral("2"));
        QCOMPARE(amount->cursorPosition(), 1 + 2 * digits.size());
        QTest::keyClick(amount, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(amount->text(), QStringLiteral("1") + digits + QStringLiteral("2"));
        QCOMPARE(w.model().text(box::amount), amount->text().toStdString());
        QTest::keyClick(amount, Qt::Key_Y, Qt::ControlModifier);
        QTest::keyClick(amount, Qt::Key_End);
        QTest::keyClicks(amount, QStringLiteral("5"));
        QCOMPARE(amount->cursorPosition(), 3 + 2 * digits.size());
        QTest::keyClick(amount, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(amount->text(), QStringLiteral("1") + digits + digits + QStringLiteral("2"));
        QCOMPARE(w.model().text(box::amount), amount->text().toStdString());
    }

    void typingAndChoosingBecomeModelOperations() {
        ui::FormWindow w(windows::mainWindowDefinition());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto* amount = widgetOf<QLineEdit>(w, box::amount);
        QTest::mouseClick(amount, Qt::LeftButton);
        QTest::keyClicks(amount, QStringLiteral("1500"));
        QCOMPARE(w.model().text(box::amount), std::string("1500"));
        QCOMPARE(w.model().focus(), std::string(box::amount));

        std::string chosen;
        w.model().onClick(box::typeList, [&] { chosen = w.model().text(box::typeList); });
        auto* combo = widgetOf<QComboBox>(w, box::typeList);
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Down);
        QCOMPARE(chosen, std::string("公路和城市道路工程"));

        w.model().setText(box::gradeIDescription, "一\r\n二");
        QCOMPARE(widgetOf<QPlainTextEdit>(w, box::gradeIDescription)->toPlainText(),
                 QStringLiteral("一\n二"));
    }

    // A figure wider than its box shows its beginning, whichever window writes it.
    void aFigureTooWideForItsBoxShowsItsBeginning() {
        ui::FormWindow w(windows::mainWindowDefinition());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        for (const std::string_view result : {box::basicFee, box::otherFee, box::benchmarkFee}) {
            auto* edit = widgetOf<QLineEdit>(w, result);
            const std::string figure = " 958186.899999999" + std::string(40, '9');
            w.model().setText(result, figure);
            QCOMPARE(edit->text(), QString::fromStdString(figure));
            QCOMPARE(edit->cursorPosition(), 0);
        }
        // What the user types keeps the cursor where the typing left it.
        auto* amount = widgetOf<QLineEdit>(w, box::amount);
        QTest::mouseClick(amount, Qt::LeftButton);
        QTest::keyClicks(amount, QStringLiteral("1500"));
        QCOMPARE(amount->cursorPosition(), 4);
    }

    void everyControlIsLaidOutAsDefined_data() {
        QTest::addColumn<QString>("form");
        for (const std::string& name : windows::names())
            QTest::newRow(name.c_str()) << QString::fromStdString(name);
    }

    void everyControlIsLaidOutAsDefined() {
        QFETCH(QString, form);
        ui::FormWindow w(windows::definition(form.toStdString()));
        const forms::FormDef& def = w.model().definition();
        QCOMPARE(w.clientArea()->size(), QSize(def.clientWidth / 15, def.clientHeight / 15));
        for (const forms::ControlDef& c : def.controls) {
            if (c.kind == forms::ControlKind::MenuItem) {
                QAction* item = w.menuItem(c.name);
                QVERIFY2(item, c.name.c_str());
                if (c.caption == "-")
                    QVERIFY2(item->isSeparator(), c.name.c_str());
                else
                    QCOMPARE(item->text().toStdString(), c.caption);
                QCOMPARE(item->shortcut().toString().toStdString(), c.shortcut);
                QCOMPARE(item->isVisible(), !c.hidden);
                if (!c.hidden) // a hidden action counts as disabled too
                    QVERIFY2(item->isEnabled() == !c.disabled, c.name.c_str());
                continue;
            }
            QWidget* widget = w.control(c.name);
            QVERIFY2(widget, c.name.c_str());
            QCOMPARE(widget->objectName().toStdString(), c.name);
            const QRect r = widget->geometry();
            QCOMPARE(r.x(), qRound(c.geometry.left / 15.0));
            QCOMPARE(r.y(), qRound(c.geometry.top / 15.0));
            if (c.kind != forms::ControlKind::Image) {
                QVERIFY2(std::abs(r.width() - c.geometry.width / 15) <= 1, c.name.c_str());
                QVERIFY2(r.height() >= c.geometry.height / 15 - 1, c.name.c_str());
            }
            // A button with a key and no tooltip of its own shows its key there.
            QCOMPARE(widget->toolTip().toStdString(), c.tooltip.empty() ? c.shortcut : c.tooltip);
            QCOMPARE(widget->isHidden(), c.hidden);
            QCOMPARE(widget->isEnabled(), !c.disabled);
            if (auto* label = qobject_cast<QLabel*>(widget); label && c.kind == forms::ControlKind::Label)
                QCOMPARE(label->text().toStdString(), c.caption);
            if (auto* button = qobject_cast<QAbstractButton*>(widget))
                QCOMPARE(button->text().toStdString(), c.caption);
            if (auto* frame = qobject_cast<QGroupBox*>(widget))
                QCOMPARE(frame->title().toStdString(), c.caption);
            if (auto* edit = qobject_cast<QLineEdit*>(widget))
                QCOMPARE(edit->isReadOnly(), c.readOnly);
            if (auto* area = qobject_cast<QPlainTextEdit*>(widget))
                QCOMPARE(area->isReadOnly(), c.readOnly);
        }
    }

    // Made when the model shows it, or when asked for: the hidden groups take their places in the tab order
    // whatever order they come in.
    // A control hidden when the window opens is made, with its group, when the model first shows it; it
    // shows what the model said of it while it waited.
    void aHiddenGroupIsMadeWhenTheModelShowsIt() {
        ui::FormWindow w(windows::mainWindowDefinition());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const auto made = [&](std::string_view name) {
            return w.findChild<QWidget*>(QString::fromUtf8(name.data(), qsizetype(name.size()))) != nullptr;
        };
        const std::string_view waiting[] = {box::buildingGroup, box::buildingRenovation, box::roadGroup,
                                            box::expressway, box::phaseLineShare};
        for (std::string_view name : waiting)
            QVERIFY2(!made(name), name.data());
        QVERIFY(made(box::typeList));

        forms::Form& model = w.model();
        model.setText(box::buildingRenovationCoefficient, "1.2");
        model.setValueAndClick(box::buildingRenovation, 1);
        model.setVisible(box::expressway, true); // inside a group the model still hides
        QVERIFY(!made(box::expressway) && !made(box::roadGroup));

        model.setVisible(box::buildingGroup, true);
        auto* group = widgetOf(w, box::buildingGroup);
        auto* renovation = widgetOf<QCheckBox>(w, box::buildingRenovation);
        auto* coefficient = widgetOf<QLineEdit>(w, box::buildingRenovationCoefficient);
        QVERIFY(group && renovation && coefficient);
        QVERIFY(group->isVisible() && renovation->isVisible() && !coefficient->isVisible());
        QVERIFY(renovation->isChecked());
        QCOMPARE(coefficient->text(), QStringLiteral("1.2"));
        QCOMPARE(renovation->parentWidget(), group);
        QVERIFY(!made(box::roadGroup));

        // Asked for, a waiting control is made as the model has it, and stays hidden.
        auto* expressway = widgetOf<QCheckBox>(w, box::expressway);
        QVERIFY(expressway && made(box::roadGroup));
        QVERIFY(!widgetOf(w, box::roadGroup)->isVisible());
        QVERIFY(!expressway->isHidden());
        model.setVisible(box::roadGroup, true);
        QVERIFY(expressway->isVisible());
    }

    void theTabOrderFollowsTheTabNumbers() {
        ui::FormWindow w(windows::mainWindowDefinition());
        std::vector<const forms::ControlDef*> focusable;
        for (const forms::ControlDef& c : w.model().definition().controls)
            if (forms::takesFocus(c.kind))
                focusable.push_back(&c);
        w.model().setVisible(box::buildingGroup, true);
        for (auto c = focusable.rbegin(); c != focusable.rend(); ++c)
            QVERIFY(w.control((*c)->name));
        std::sort(focusable.begin(), focusable.end(), [](auto* a, auto* b) { return a->tab < b->tab; });
        for (std::size_t i = 1; i < focusable.size(); ++i) {
            QWidget* next = w.control(focusable[i - 1]->name)->nextInFocusChain();
            while (next &&
                   (!w.control(next->objectName().toStdString()) || next->focusPolicy() == Qt::NoFocus))
                next = next->nextInFocusChain();
            QVERIFY(next);
            QVERIFY2(next->objectName().toStdString() == focusable[i]->name,
                     qPrintable(QStringLiteral("after %1 comes %2, not %3")
                                    .arg(QString::fromStdString(focusable[i - 1]->name), next->objectName(),
                                         QString::fromStdString(focusable[i]->name))));
        }
        QCOMPARE(focusable.front()->name, std::string(box::typeList));
    }

    // A caption wider than its control is clipped on screen; the layout was drawn for 12-pixel glyphs.
    void everyCaptionFitsItsControl_data() { everyControlIsLaidOutAsDefined_data(); }

    void everyCaptionFitsItsControl() {
        QFETCH(QString, form);
        ui::FormWindow w(windows::definition(form.toStdString()));
        for (const forms::ControlDef& c : w.model().definition().controls) {
            QWidget* widget = w.control(c.name);
            if (!widget || !forms::showsCaption(c.kind) || c.caption.empty())
                continue;
            // Trailing blanks are invisible and may run past the edge ("万元 ").
            const QString caption = QString::fromStdString(c.caption).trimmed();
            const QFontMetrics metrics = widget->fontMetrics();
            int needed = metrics.horizontalAdvance(caption);
            if (auto* box = qobject_cast<QAbstractButton*>(widget); box && box->isCheckable()) {
                QStyleOptionButton option;
                option.initFrom(box);
                const bool radio = qobject_cast<QRadioButton*>(box) != nullptr;
                needed +=
                    box->style()
                        ->subElementRect(radio ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents,
                                         &option, box)
                        .left();
            }
            if (qobject_cast<QPushButton*>(widget)) {
                const QRect room = widget->rect().adjusted(3, 3, -3, -3);
                const QRect used = metrics.boundingRect(room, Qt::AlignCenter | Qt::TextWordWrap, caption);
                QVERIFY2(used.width() <= room.width() && used.height() <= widget->height(), c.name.c_str());
                continue;
            }
            // Inside the border, where the control has one (the chosen grade's label).
            const QRect room = widget->contentsRect();
            QVERIFY2(needed <= room.width(),
                     qPrintable(QStringLiteral("%1: %2 > %3").arg(caption).arg(needed).arg(room.width())));
            QVERIFY2(
                metrics.height() <= room.height(),
                qPrintable(
                    QStringLiteral("%1: %2 > %3").arg(caption).arg(metrics.height()).arg(room.height())));
        }
    }

    // The chosen grade's box is one line high: each grade it shows lies whole inside its border, its first
    // and last rows inside the border left blank.
    void theChosenGradeShowsWholeInsideItsBorder() {
        ui::FormWindow w(windows::mainWindowDefinition());
        auto* label = widgetOf<QLabel>(w, box::chosenGrade);
        const QRect room = label->contentsRect();
        for (const char* grade : {"Ⅰ级", "Ⅱ级", "Ⅲ级"}) {
            w.model().setCaption(box::chosenGrade, grade);
            QCOMPARE(label->text(), QString::fromUtf8(grade));
            const QImage image = label->grab().toImage();
            const double scale = image.devicePixelRatio();
            const auto pixel = [&](int x, int y) {
                return image.pixel(qRound(x * scale), qRound(y * scale));
            };
            const QRgb background = pixel(room.right(), room.center().y());
            for (int x = room.left(); x <= room.right(); ++x) {
                QVERIFY2(pixel(x, room.top()) == background, grade);
                QVERIFY2(pixel(x, room.bottom()) == background, grade);
            }
        }
    }

    // A frame's top line runs through none of its controls.
    void noControlMeetsItsFramesTopLine_data() { everyControlIsLaidOutAsDefined_data(); }

    void noControlMeetsItsFramesTopLine() {
        QFETCH(QString, form);
        ui::FormWindow w(windows::definition(form.toStdString()));
        for (const forms::ControlDef& c : w.model().definition().controls) {
            auto* frame = dynamic_cast<ui::CaptionedFrame*>(w.control(c.container));
            if (!frame || !w.control(c.name))
                continue;
            const QRect r = w.control(c.name)->geometry();
            QVERIFY2(r.top() > frame->topLineY() || r.bottom() < frame->topLineY(),
                     qPrintable(QStringLiteral("%1 meets the top line of %2 at %3")
                                    .arg(QString::fromStdString(c.name), frame->objectName())
                                    .arg(frame->topLineY())));
        }
    }

    // A screen reader announces every control a user can focus: by its caption, or by the name it is given.
    void everyFocusableControlHasAnAccessibleName_data() { everyControlIsLaidOutAsDefined_data(); }

    void everyFocusableControlHasAnAccessibleName() {
        QFETCH(QString, form);
        ui::FormWindow w(windows::definition(form.toStdString()));
        w.show();
        for (const forms::ControlDef& c : w.model().definition().controls) {
            if (!forms::takesFocus(c.kind))
                continue;
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w.control(c.name));
            QVERIFY2(a, c.name.c_str());
            QVERIFY2(!a->text(QAccessible::Name).trimmed().isEmpty(), c.name.c_str());
        }
        if (form == test::qstring(windows::main)) {
            QCOMPARE(QAccessible::queryAccessibleInterface(widgetOf(w, box::amount))->text(QAccessible::Name),
                     QStringLiteral("工程设计收费计费额（万元）"));
            QCOMPARE(QAccessible::queryAccessibleInterface(widgetOf(w, box::overallDesign))
                         ->text(QAccessible::Name),
                     QStringLiteral("总体设计费"));
        }
    }

    // At any scale the window keeps its layout in logical pixels and grows in device pixels.
    void theLayoutScalesWithTheScreen() {
        const double scale =
            qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? qgetenv("QT_SCALE_FACTOR").toDouble() : 1.0;
        const forms::FormDef def = windows::mainWindowDefinition();
        ui::FormWindow w(def);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.devicePixelRatio(), scale);
        const QSize logical(def.clientWidth / 15, def.clientHeight / 15); // 15 twips to a logical pixel
        QCOMPARE(w.clientArea()->size(), logical);
        const QSize device = w.clientArea()->size() * w.devicePixelRatio();
        QCOMPARE(device, QSize(qRound(logical.width() * scale), qRound(logical.height() * scale)));
        const QImage shot = w.grab().toImage();
        QCOMPARE(shot.width(), qRound(w.width() * scale));
    }
};

VARNEL_WIDGET_TEST_MAIN(FormWindowTest)
#include "formwindow_test.moc"
#include "windows/windows.h"
