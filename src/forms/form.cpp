#include "forms/form.h"

#include <stdexcept>
#include <utility>

namespace varnel::forms {

Form::Form(const FormDef& definition) : m_def(definition), m_title(definition.caption) {
    m_states.reserve(m_def.controls.size());
    for (std::size_t i = 0; i < m_def.controls.size(); ++i) {
        m_states.push_back(initialState(m_def.controls[i]));
        m_index.emplace(m_def.controls[i].name, i);
    }
}

ControlState Form::initialState(const ControlDef& c) const {
    ControlState s;
    s.enabled = !c.disabled;
    s.visible = !c.hidden;
    if (c.kind == ControlKind::TextBox)
        s.text = c.caption; // a text box's definition carries its starting text
    else if (c.kind != ControlKind::ComboBox && c.kind != ControlKind::Table)
        s.caption = c.caption;
    if (c.kind == ControlKind::Table)
        s.value = -1;
    if (c.kind == ControlKind::ComboBox)
        for (const std::string& item : c.items)
            s.rows.push_back({item});
    return s;
}

void Form::reset() {
    for (std::size_t i = 0; i < m_def.controls.size(); ++i) {
        const ControlDef& c = m_def.controls[i];
        ControlState initial = initialState(c);
        ControlState& s = m_states[i];
        const ControlState before = std::exchange(s, std::move(initial));
        for (auto [changed, property] :
             {std::pair{before.caption != s.caption, Property::Caption},
              std::pair{before.text != s.text, Property::Text},
              std::pair{before.value != s.value, Property::Value},
              std::pair{before.enabled != s.enabled, Property::Enabled},
              std::pair{before.visible != s.visible, Property::Visible},
              std::pair{before.rows != s.rows || before.footer != s.footer, Property::Rows}})
            if (changed)
                notify(c.name, property);
    }
}

std::size_t Form::indexOf(std::string_view control) const {
    auto it = m_index.find(std::string(control));
    if (it == m_index.end())
        throw std::out_of_range(m_def.name + " has no control " + std::string(control));
    return it->second;
}

const ControlState& Form::state(std::string_view control) const {
    return m_states[indexOf(control)];
}

bool Form::shown(std::string_view control) const {
    const ControlDef* c = &m_def.at(control);
    while (c) {
        if (!state(c->name).visible)
            return false;
        c = c->container.empty() ? nullptr : m_def.find(c->container);
    }
    return true;
}

void Form::notify(std::string_view control, Property property) {
    const std::string name(control);
    for (const Listener& listener : m_listeners)
        listener(name, property);
}

void Form::setCaption(std::string_view control, std::string caption) {
    ControlState& s = mutableState(control);
    if (s.caption == caption)
        return;
    s.caption = std::move(caption);
    notify(control, Property::Caption);
}

void Form::setText(std::string_view control, std::string text) {
    ControlState& s = mutableState(control);
    if (s.text == text)
        return;
    s.text = std::move(text);
    notify(control, Property::Text);
}

void Form::setEnabled(std::string_view control, bool enabled) {
    ControlState& s = mutableState(control);
    if (s.enabled == enabled)
        return;
    s.enabled = enabled;
    notify(control, Property::Enabled);
}

void Form::setVisible(std::string_view control, bool visible) {
    ControlState& s = mutableState(control);
    if (s.visible == visible)
        return;
    s.visible = visible;
    notify(control, Property::Visible);
}

void Form::setOption(std::string_view option, bool chosen) {
    const ControlDef& def = m_def.at(option);
    if (def.kind != ControlKind::OptionButton)
        throw std::logic_error(std::string(option) + " is no option button");
    if (chosen) {
        // Choosing one option button clears the others of its container.
        for (const ControlDef& other : m_def.controls)
            if (other.kind == ControlKind::OptionButton && other.container == def.container &&
                other.name != def.name && state(other.name).value != 0) {
                mutableState(other.name).value = 0;
                notify(other.name, Property::Value);
            }
    }
    ControlState& s = mutableState(option);
    if (s.value != (chosen ? 1 : 0)) {
        s.value = chosen ? 1 : 0;
        notify(option, Property::Value);
    }
}

void Form::setValueAndClick(std::string_view checkBox, int value) {
    if (m_def.at(checkBox).kind != ControlKind::CheckBox)
        throw std::logic_error(std::string(checkBox) + " is no check box");
    ControlState& s = mutableState(checkBox);
    if (s.value == value)
        return;
    s.value = value;
    notify(checkBox, Property::Value);
    runClick(checkBox); // nested inside the write
}

void Form::setFocus(std::string_view control) {
    if (m_focus == control)
        return;
    m_focus = std::string(control);
    notify(control, Property::Focus);
}

void Form::setTitle(std::string title) {
    if (m_title == title)
        return;
    m_title = std::move(title);
    notify("", Property::Title);
}

void Form::setRows(std::string_view table, std::vector<Row> rows, Row footer) {
    ControlState& s = mutableState(table);
    if (s.rows == rows && s.footer == footer)
        return;
    s.rows = std::move(rows);
    s.footer = std::move(footer);
    notify(table, Property::Rows);
    if (s.value >= static_cast<int>(s.rows.size()))
        setCurrentRow(table, static_cast<int>(s.rows.size()) - 1);
}

void Form::setItems(std::string_view combo, std::vector<Row> items) {
    ControlState& s = mutableState(combo);
    if (s.rows == items)
        return;
    s.rows = std::move(items);
    notify(combo, Property::Rows);
}

void Form::setCurrentRow(std::string_view table, int row) {
    ControlState& s = mutableState(table);
    if (row < -1 || row >= static_cast<int>(s.rows.size()))
        throw std::out_of_range(m_def.name + "." + std::string(table) + " has no row " + std::to_string(row));
    if (s.value == row)
        return;
    s.value = row;
    notify(table, Property::Value);
}

void Form::on(Event event, std::string_view control, Handler handler) {
    indexOf(control); // the control must exist
    m_handlers[static_cast<std::size_t>(event)][std::string(control)] = std::move(handler);
}

void Form::run(Event event, std::string_view control) {
    const auto& handlers = m_handlers[static_cast<std::size_t>(event)];
    auto it = handlers.find(std::string(control));
    if (it != handlers.end()) {
        Handler handler = it->second; // a copy: the handler may rebind handlers while it runs
        handler();
    }
}

std::string Form::unreachable(std::string_view control) const {
    const ControlDef* def = m_def.find(control);
    if (!def)
        return "no control " + std::string(control) + " in " + m_def.name;
    if (!shown(control))
        return std::string(control) + " is hidden";
    if (!enabled(control))
        return std::string(control) + " is disabled";
    return {};
}

Refusal Form::userClick(std::string_view control) {
    if (std::string why = unreachable(control); !why.empty())
        return {why};
    const ControlDef& def = m_def.at(control);
    if (takesFocus(def.kind))
        setFocus(control);
    switch (def.kind) {
    case ControlKind::CheckBox: {
        ControlState& s = mutableState(control);
        s.value = s.value == 1 ? 0 : 1;
        notify(control, Property::Value);
        runClick(control);
        break;
    }
    case ControlKind::OptionButton:
        select(control);
        break;
    case ControlKind::TextBox:
    case ControlKind::CommandButton:
    case ControlKind::MenuItem:
        runClick(control);
        break;
    default:
        break;
    }
    return {};
}

Refusal Form::userChoose(std::string_view combo, std::string_view item) {
    if (std::string why = unreachable(combo); !why.empty())
        return {why};
    const ControlDef& def = m_def.at(combo);
    if (def.kind != ControlKind::ComboBox)
        return {std::string(combo) + " is not a list"};
    bool listed = false;
    for (const Row& candidate : state(combo).rows)
        listed = listed || (!candidate.empty() && !candidate[0].empty() && candidate[0] == item);
    if (!listed)
        return {std::string(item).append(" is not an item of ").append(combo)};
    setFocus(combo);
    // The text takes the item even when it is already chosen, and the handler runs every time.
    ControlState& s = mutableState(combo);
    if (s.text != item) {
        s.text = std::string(item);
        notify(combo, Property::Text);
    }
    runClick(combo);
    return {};
}

Refusal Form::userType(std::string_view control, std::string text) {
    if (std::string why = unreachable(control); !why.empty())
        return {why};
    const ControlDef& def = m_def.at(control);
    if (def.kind != ControlKind::TextBox)
        return {std::string(control) + " is not a text box"};
    if (def.readOnly)
        return {std::string(control) + " is read-only"};
    if (state(control).text == text)
        return {};
    setText(control, std::move(text));
    run(Event::Change, control);
    return {};
}

Refusal Form::userCommit(std::string_view control) {
    if (std::string why = unreachable(control); !why.empty())
        return {why};
    if (m_def.at(control).kind != ControlKind::TextBox)
        return {std::string(control) + " is not a text box"};
    run(Event::Commit, control);
    return {};
}

Refusal Form::userSelectRow(std::string_view table, int row) {
    if (std::string why = unreachable(table); !why.empty())
        return {why};
    if (m_def.at(table).kind != ControlKind::Table)
        return {std::string(table) + " is not a table"};
    if (row < 0 || row >= static_cast<int>(rows(table).size()))
        return {std::string(table) + " has no row " + std::to_string(row + 1)};
    setFocus(table);
    setCurrentRow(table, row);
    return {};
}

Refusal Form::userActivateRow(std::string_view table, int row) {
    if (Refusal refused = userSelectRow(table, row))
        return refused;
    run(Event::Activate, table);
    return {};
}

} // namespace varnel::forms
