#pragma once

#include "forms/form.h"
#include "ui/twips.h"

#include <QMainWindow>

#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>

class QAction;
class QComboBox;
class QMenu;

namespace varnel::ui {

// A top-level window built from a window definition, bound to its control model.
//
// The model is the one source of truth. The window creates one widget per control (objectName = control
// name) and mirrors every change the model reports into that widget; what the user does to a widget
// (a click, a choice, typed text, the focus) is handed to the model, never applied by the widget itself.
// A control hidden when the window opens (a type's conditions, a result shown only for one phase) is
// made with the controls inside it when the model first shows it, or when someone asks for it: a window
// opens without building what it may never show.
class FormWindow : public QMainWindow {
    Q_OBJECT

  public:
    explicit FormWindow(const forms::FormDef& definition, QWidget* parent = nullptr);
    ~FormWindow() override;

    forms::Form& model() { return *m_model; }
    const forms::Form& model() const { return *m_model; }
    // The control's widget, made now if it was waiting to be shown; null for a name the window lacks.
    QWidget* control(const std::string& name);
    QAction* menuItem(const std::string& name) const;
    // The area the twip layout is drawn in (below the menu bar, if any).
    QWidget* clientArea() const { return m_client; }

    // Gives the focus to the focusable control with the lowest tab number.
    void focusFirstControl();
    // Asked before the window closes by its close box (or the system's close): false keeps it open.
    void setCloseGuard(std::function<bool()> mayClose) { m_mayClose = std::move(mayClose); }

  Q_SIGNALS:
    void closed();
    // The user pressed F1 in the window.
    void helpRequested();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void build();
    void buildMenus();
    void buildContextMenus();
    bool hasMenuItems(const std::string& menu) const;
    void addMenuItems(QMenu& menu, const std::string& parent);
    void mirrorMenuItem(QAction& action, const std::string& name, forms::Property property);
    QWidget* create(const forms::ControlDef& def, QWidget* parent);
    QWidget* built(const std::string& name) const;
    bool shownByModel(const std::string& name) const;
    void buildWaitingGroup(const std::string& name);
    void applyTabOrder();
    void mirror(const std::string& control, forms::Property property);
    void mirrorAll();
    void mirrorControl(const std::string& name);
    void raiseFrames();
    void stopCommitting();
    void showItems(QComboBox& combo, const forms::ControlState& s);

    std::unique_ptr<forms::Form> m_model;
    Twips m_twips;
    QWidget* m_client = nullptr;
    std::unordered_map<std::string, QWidget*> m_widgets;
    std::unordered_set<std::string> m_waiting; // hidden when the window was built, not made yet
    std::unordered_map<std::string, QAction*> m_menuItems;
    std::function<bool()> m_mayClose;
};

} // namespace varnel::ui
