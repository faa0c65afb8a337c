#include "ui/optionaccessible.h"

#include "ui/modelwidgets.h"

#include <QAccessibleWidget>

namespace varnel::ui {

namespace {

class OptionButtonAccessible : public QAccessibleWidget {
  public:
    explicit OptionButtonAccessible(ModelRadioButton* button)
        : QAccessibleWidget(button, QAccessible::RadioButton) {}

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = button()->isChecked();
        return s;
    }

    QString text(QAccessible::Text t) const override {
        QString text = QAccessibleWidget::text(t);
        if (text.isEmpty() && t == QAccessible::Name)
            text = button()->text().remove(QLatin1Char('&'));
        return text;
    }

    QStringList actionNames() const override {
        return QStringList{pressAction(), toggleAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (!button()->isEnabled())
            return;
        if (action == pressAction() || action == toggleAction())
            button()->click(); // as a click: the model chooses the option and runs its handler
        else
            QAccessibleWidget::doAction(action);
    }

  private:
    ModelRadioButton* button() const { return static_cast<ModelRadioButton*>(widget()); }
};

} // namespace

QAccessibleInterface* optionButtonAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String(ModelRadioButton::staticMetaObject.className()) && object &&
        object->isWidgetType())
        return new OptionButtonAccessible(static_cast<ModelRadioButton*>(object));
    return nullptr;
}

} // namespace varnel::ui
