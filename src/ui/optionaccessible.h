#pragma once

class QAccessibleInterface;
class QObject;
class QString;

namespace varnel::ui {

// What a screen reader is told about an option button. Qt calls a button that is not auto-exclusive a
// check box, but ours are option buttons whose group the model keeps exclusive, so they are presented
// as radio buttons: checkable, checked when chosen, and chosen by their press or toggle action.
// Installed as an accessibility factory the first time an option button is made.
QAccessibleInterface* optionButtonAccessible(const QString& className, QObject* object);

} // namespace varnel::ui
