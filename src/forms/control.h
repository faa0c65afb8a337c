#pragma once

#include <optional>
#include <string>
#include <vector>

namespace varnel::forms {

// The kinds of control a window is made of. Each kind carries a fixed set of run-time properties
// (see ControlState); everything else about a control is fixed by its definition.
enum class ControlKind {
    Frame,
    Label,
    TextBox,
    CheckBox,
    OptionButton,
    ComboBox,
    CommandButton,
    Image,
    MenuItem,
    Table
};

enum class ScrollBars { None, Vertical, Both };

// Position and size in twips (1/1440 inch), relative to the control's container.
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
};

struct FontDef {
    std::string family;   // the family the window was drawn with
    std::string fallback; // an installed family to use where the first is missing
    double points = 9;
    bool bold = false;
};

// One control of a window definition: what it is, where it sits and how it starts.
struct ControlDef {
    std::string name;
    ControlKind kind = ControlKind::Label;
    std::string container; // a frame's name, a menu's name, or empty for the window itself
    std::string caption;   // caption of frames, labels, buttons, menu items; initial text of text boxes
    Rect geometry;
    int tab = 0;

    bool disabled = false;
    bool hidden = false;
    bool readOnly = false;
    bool multiLine = false;
    bool bordered = false; // a label drawn with a single-line border
    ScrollBars scrollBars = ScrollBars::None;
    std::string tooltip;
    std::string accessibleName; // what a screen reader announces, where the control has no caption of its own
    std::optional<Rgb> faceColour;
    std::optional<FontDef> font;
    std::vector<std::string> items; // the list of a combo box; the column headings of a table
    // A menu item's or a button's key, as "Ctrl+N": pressed anywhere in the window, it clicks the control.
    // A menu item captioned "-" is a separator.
    std::string shortcut;
    std::string picture; // resource name of an image's picture

    ControlDef& startsDisabled() {
        disabled = true;
        return *this;
    }
    ControlDef& startsHidden() {
        hidden = true;
        return *this;
    }
    ControlDef& isReadOnly() {
        readOnly = true;
        return *this;
    }
    ControlDef& isMultiLine() {
        multiLine = true;
        return *this;
    }
    ControlDef& withBorder() {
        bordered = true;
        return *this;
    }
    ControlDef& withShortcut(std::string keys) {
        shortcut = std::move(keys);
        return *this;
    }
    ControlDef& withTooltip(std::string text) {
        tooltip = std::move(text);
        return *this;
    }
    ControlDef& announcedAs(std::string name) {
        accessibleName = std::move(name);
        return *this;
    }
    ControlDef& withFont(FontDef f) {
        font = std::move(f);
        return *this;
    }
};

// Whether the user can give the keyboard focus to a control of this kind.
bool takesFocus(ControlKind kind);
// Whether a control's caption is its visible text (the text a layout must make room for).
bool showsCaption(ControlKind kind);

} // namespace varnel::forms
