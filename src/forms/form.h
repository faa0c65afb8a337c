#pragma once

#include "forms/formdef.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace varnel::forms {

// A row of a table: one text per column.
using Row = std::vector<std::string>;

// The run-time properties the logic reads and writes. Which ones a control has depends on its kind.
struct ControlState {
    std::string caption; // Label
    std::string text;    // TextBox, ComboBox
    int value =
        0; // CheckBox: 0 unticked, 1 ticked; OptionButton: 0 false, 1 true; Table: the current row, -1 none
    bool enabled = true;
    bool visible = true;   // the control's own Visible; a hidden container hides it without changing this
    std::vector<Row> rows; // Table: its rows, which the user can select and activate; ComboBox: its list
    Row footer;            // Table: a last row that sums the others up, empty for none; never selected
};

// What changed. Title is the window's own caption, reported with an empty control name.
enum class Property { Caption, Text, Value, Enabled, Visible, Focus, Rows, Title };

// What a user does to a control that runs a handler: a click (or a choice from a list); an activation of
// a table's row (a double-click or Enter); a change of a text box's text as it is typed; and the commit of
// a text box's text (Enter, or leaving the box after changing it).
enum class Event { Click, Activate, Change, Commit };
inline constexpr std::size_t eventCount = static_cast<std::size_t>(Event::Commit) + 1;

// What a user action came to: done, or refused because a user could not do it.
struct Refusal {
    std::string reason; // empty when the action was carried out
    explicit operator bool() const { return !reason.empty(); }
};

// A live window: its controls' run-time state, their Click handlers and the keyboard focus.
//
// Event delivery follows the window system the logic was written for:
//  - a user's click on an enabled, visible check box toggles it and then runs its handler;
//  - a write by code of a different Value to a check box runs its handler at once, nested inside the
//    write, whether the box is enabled, disabled, visible or hidden; writing the same value runs nothing;
//  - choosing a combo box item sets its Text and then runs its handler;
//  - choosing an option button (by the user or by code) clears the other option buttons of its container;
//  - clicks on disabled or hidden controls are refused;
//  - a table's row is selected by the user or by code without a handler; activating it runs its handler;
//  - typing into a text box runs its Change handler; committing the text runs its Commit handler.
// Every change is reported to the listeners, which is how the widgets follow the model.
class Form {
  public:
    using Handler = std::function<void()>;
    using Listener = std::function<void(const std::string& control, Property property)>;

    // The form keeps a reference to its definition, which must outlive it (the window definitions are
    // static); a temporary one would be gone at once.
    explicit Form(const FormDef& definition);
    explicit Form(FormDef&&) = delete;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const FormDef& definition() const { return m_def; }
    const std::string& name() const { return m_def.name; }
    const std::string& title() const { return m_title; }
    bool has(std::string_view control) const { return m_index.contains(std::string(control)); }

    // Reading.
    const ControlState& state(std::string_view control) const;
    const std::string& caption(std::string_view control) const { return state(control).caption; }
    const std::string& text(std::string_view control) const { return state(control).text; }
    int value(std::string_view control) const { return state(control).value; }
    bool ticked(std::string_view control) const { return state(control).value == 1; }
    bool enabled(std::string_view control) const { return state(control).enabled; }
    bool visible(std::string_view control) const { return state(control).visible; }
    // Visible itself and inside containers that are all visible: what a user can see and reach.
    bool shown(std::string_view control) const;
    const std::string& focus() const { return m_focus; }
    const std::vector<Row>& rows(std::string_view table) const { return state(table).rows; }
    int currentRow(std::string_view table) const { return state(table).value; }

    // Writes by code.
    void setCaption(std::string_view control, std::string caption);
    void setText(std::string_view control, std::string text);
    void setEnabled(std::string_view control, bool enabled);
    void setVisible(std::string_view control, bool visible);
    // A check box's value is written with its Click: where the value changes, the box's handler runs
    // before the write returns, nested inside the handler that wrote it. The names say so at every call.
    void setValueAndClick(std::string_view checkBox, int value);
    void tickAndClick(std::string_view checkBox) { setValueAndClick(checkBox, 1); }
    void untickAndClick(std::string_view checkBox) { setValueAndClick(checkBox, 0); }
    // An option button is chosen or cleared without any handler; choosing clears the others of its group.
    void select(std::string_view option) { setOption(option, true); }
    void deselect(std::string_view option) { setOption(option, false); }
    void setFocus(std::string_view control);
    void setTitle(std::string title);
    // A combo box's list: each item a row of its text (what choosing it sets) and, where it reads otherwise
    // in the list, its label; a row with an empty text is a heading, which cannot be chosen.
    void setItems(std::string_view combo, std::vector<Row> items);
    // A table's rows and its footer. The current row stays where it was, or moves to the last row left.
    void setRows(std::string_view table, std::vector<Row> rows, Row footer = {});
    void setCurrentRow(std::string_view table, int row);
    // Every control back to its first state, as a fresh window has it; the handlers stay bound.
    void reset();

    // Binding: the handler of an event of a control (or menu item).
    void on(Event event, std::string_view control, Handler handler);
    void onClick(std::string_view control, Handler handler) { on(Event::Click, control, std::move(handler)); }
    void addListener(Listener listener) { m_listeners.push_back(std::move(listener)); }

    // What a user does. Each is refused when a user could not do it.
    Refusal userClick(std::string_view control);
    Refusal userChoose(std::string_view combo, std::string_view item);
    Refusal userType(std::string_view control, std::string text);
    Refusal userCommit(std::string_view control);
    Refusal userSelectRow(std::string_view table, int row);
    Refusal userActivateRow(std::string_view table, int row);
    // Why a user could not act on the control now; empty when they can.
    std::string unreachable(std::string_view control) const;

  private:
    std::size_t indexOf(std::string_view control) const;
    ControlState& mutableState(std::string_view control) { return m_states[indexOf(control)]; }
    void notify(std::string_view control, Property property);
    void runClick(std::string_view control) { run(Event::Click, control); }
    void setOption(std::string_view option, bool chosen);
    void run(Event event, std::string_view control);
    ControlState initialState(const ControlDef& c) const;

    const FormDef& m_def;
    std::vector<ControlState> m_states;
    std::unordered_map<std::string, std::size_t> m_index;
    std::array<std::unordered_map<std::string, Handler>, eventCount> m_handlers; // by Event
    std::vector<Listener> m_listeners;
    std::string m_focus;
    std::string m_title;
};

} // namespace varnel::forms
