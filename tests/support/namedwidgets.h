#pragma once

#include "ui/formwindow.h"
#include "ui/program.h"
#include "windows/windows.h"

#include <QAction>
#include <QString>
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
Widget* widgetOf(const ui::FormWindow& window, std::string_view control) {
    return qobject_cast<Widget*>(window.control(std::string(control)));
}

inline QAction* menuItemOf(const ui::FormWindow& window, std::string_view item) {
    return window.menuItem(std::string(item));
}

} // namespace varnel::test
