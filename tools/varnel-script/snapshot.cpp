#include "snapshot.h"

#include "json.h"

#include "engine/numbers.h"
#include "ui/program.h"
#include "windows/windows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTableWidget>

namespace varnel::script {

namespace {

std::string widgetText(const QWidget* w) {
    if (auto* edit = qobject_cast<const QLineEdit*>(w))
        return edit->text().toStdString();
    if (auto* area = qobject_cast<const QPlainTextEdit*>(w))
        return area->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n")).toStdString();
    return {};
}

std::string controlJson(const forms::ControlDef& def, const QWidget* w) {
    using forms::ControlKind;
    JsonObject o;
    const bool visible = !w->isHidden();
    switch (def.kind) {
    case ControlKind::Frame:
        o.flag("visible", visible);
        break;
    case ControlKind::Label:
        o.text("caption", static_cast<const QLabel*>(w)->text().toStdString()).flag("visible", visible);
        break;
    case ControlKind::TextBox:
        o.text("text", widgetText(w)).flag("enabled", w->isEnabled()).flag("visible", visible);
        break;
    case ControlKind::CheckBox:
        o.number("value", static_cast<const QCheckBox*>(w)->isChecked() ? 1 : 0)
            .flag("enabled", w->isEnabled())
            .flag("visible", visible);
        break;
    case ControlKind::OptionButton:
        o.flag("value", static_cast<const QRadioButton*>(w)->isChecked()).flag("enabled", w->isEnabled());
        break;
    case ControlKind::ComboBox:
        o.text("text", static_cast<const QComboBox*>(w)->currentData().toString().toStdString());
        break;
    case ControlKind::Table: {
        // Every row as its cells read, the footer last; the current row counted from 1 (0: none).
        const auto* table = static_cast<const QTableWidget*>(w);
        std::string rows = "[";
        for (int r = 0; r < table->rowCount(); ++r) {
            std::string cells = "[";
            for (int c = 0; c < table->columnCount(); ++c) {
                const QTableWidgetItem* cell = table->item(r, c);
                if (c > 0)
                    cells += ',';
                cells += quoted(cell ? cell->text().toStdString() : std::string());
            }
            if (r > 0)
                rows += ',';
            rows += cells + "]";
        }
        const QList<QTableWidgetItem*> selected = table->selectedItems();
        o.raw("rows", rows + "]")
            .number("current", selected.isEmpty() ? 0 : selected.first()->row() + 1)
            .flag("enabled", w->isEnabled());
        break;
    }
    default:
        break;
    }
    return o.str();
}

std::string windowJson(ui::FormWindow* window) {
    JsonObject o;
    o.flag("open", window != nullptr);
    if (!window)
        return o.str();
    o.text("title", window->windowTitle().toStdString());
    const QWidget* focused = window->focusWidget();
    std::string focus = "null";
    if (focused && window->control(focused->objectName().toStdString()))
        focus = quoted(focused->objectName().toStdString());
    o.raw("focus", focus);
    JsonObject controls;
    for (const forms::ControlDef& def : window->model().definition().controls)
        if (const QWidget* w = window->control(def.name))
            controls.raw(def.name, controlJson(def, w));
    o.raw("controls", controls.str());
    return o.str();
}

} // namespace

std::string windowsJson(const ui::Program& program) {
    JsonObject o;
    for (const std::string& name : windows::names())
        o.raw(name, windowJson(program.window(name)));
    return o.str();
}

std::string variablesJson(const ui::Program& program) {
    JsonObject o;
    const engine::Variables& v = program.calculations().variables;
    for (const engine::NamedVariable& variable : engine::namedVariables(v)) {
        const engine::Variable& value = *variable.value;
        o.raw(variable.name, value ? engine::exactText(*value) : "null");
    }
    return o.str();
}

} // namespace varnel::script
