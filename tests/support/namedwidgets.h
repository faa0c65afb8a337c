#pragma once

#include "ui/formwindow.h"
#include "ui/program.h"
#include "windows/windows.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QString>
#include <QTest>
#include <QWidget>

#include <string>
#include <string_view>

namespace varnel::test {

// The program's windows, their widgets and menu items, found by the names the window headers give them
// (windows::main, windows::mainwindow, …). Each widget's object name is its control's name.

inline QString qstring(std::string_view name) {
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

// The program's open window of that name, or null.
inline ui::FormWindow* windowOf(const ui::Program& program, std::string_view form) {
    return program.window(std::string(form));
}

// The widget that shows the control, as the kind of widget it is; null where there is none of that kind.
template <typename Widget = QWidget>
Widget* widgetOf(ui::FormWindow& window, std::string_view control) {
    return qobject_cast<Widget*>(window.control(std::string(control)));
}

inline QAction* menuItemOf(const ui::FormWindow& window, std::string_view item) {
    return window.menuItem(std::string(item));
}

// A click on the control's widget, at its middle.
inline void clickButton(ui::FormWindow* w, std::string_view name) {
    QWidget* button = widgetOf(*w, name);
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}

// A menu command as a user picks it: a click on the bar, which is all an item of the bar itself needs, and
// for a menu's item a click in that menu.
inline void clickMenu(ui::FormWindow* w, std::string_view name) {
    QMenuBar* bar = w->menuBar();
    QAction* item = menuItemOf(*w, name);
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
    QFAIL(qPrintable(qstring(name)));
}

} // namespace varnel::test
