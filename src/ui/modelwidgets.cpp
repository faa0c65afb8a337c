#include "ui/modelwidgets.h"

#include "ui/optionaccessible.h"

#include <algorithm>
#include <climits>

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace varnel::ui {

namespace {
std::string nameOf(const QObject* widget) {
    return widget->objectName().toStdString();
}
} // namespace

ModelCheckBox::ModelCheckBox(forms::Form& model, const QString& caption, QWidget* parent)
    : QCheckBox(caption, parent), m_model(model) {}

void ModelCheckBox::nextCheckState() {
    m_model.userClick(nameOf(this));
}

ModelRadioButton::ModelRadioButton(forms::Form& model, const QString& caption, QWidget* parent)
    : QRadioButton(caption, parent), m_model(model) {
    setAutoExclusive(false); // the model keeps the group exclusive
    static const bool presented = (QAccessible::installFactory(optionButtonAccessible), true);
    (void)presented;
}

void ModelRadioButton::nextCheckState() {
    m_model.userClick(nameOf(this));
}

ModelLineEdit::ModelLineEdit(forms::Form& model, QWidget* parent) : QLineEdit(parent), m_model(model) {
    setMaxLength(INT_MAX); // no limit on what may be typed
    connect(this, &QLineEdit::textEdited, this, &ModelLineEdit::edited);
}

void ModelLineEdit::edited(const QString& text) {
    const std::string name = nameOf(this);
    // An undo adds nothing to the history, and trimming now would lose what can be redone.
    if (isRedoAvailable()) {
        m_model.userType(name, text.toStdString());
        return;
    }
    const QString before = QString::fromStdString(m_model.text(name));
    // The edit replaced the characters between a common prefix and a common suffix.
    const qsizetype shorter = std::min(before.size(), text.size());
    qsizetype prefix = 0;
    while (prefix < shorter && before[prefix] == text[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix && before[before.size() - 1 - suffix] == text[text.size() - 1 - suffix])
        ++suffix;
    const qsizetype removed = before.size() - prefix - suffix;
    const qsizetype inserted = text.size() - prefix - suffix;
    const qsizetype latest = removed + inserted;
    m_recorded += latest;
    if (m_recorded - latest > undoLimit) {
        const int cursor = cursorPosition();
        const QSignalBlocker blocker(this);
        setText(before); // forgets the whole history
        if (removed > 0)
            setSelection(static_cast<int>(prefix), static_cast<int>(removed));
        else
            setCursorPosition(static_cast<int>(prefix));
        insert(text.mid(prefix, inserted));
        setCursorPosition(cursor);
        m_recorded = latest;
    }
    m_model.userType(name, text.toStdString());
}

ModelTextArea::ModelTextArea(forms::Form& model, QWidget* parent) : QPlainTextEdit(parent), m_model(model) {}

void ModelTextArea::mouseReleaseEvent(QMouseEvent* event) {
    QPlainTextEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton &&
        rect().contains(mapFromGlobal(event->globalPosition().toPoint())))
        m_model.userClick(nameOf(this));
}

void ModelTextArea::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (isReadOnly() && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
        (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)) {
        m_model.userClick(nameOf(this));
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

WrappingButton::WrappingButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {}

QSize WrappingButton::sizeHint() const {
    return size();
}

void WrappingButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    const QRect area = rect().adjusted(3, 3, -3, -3);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, text());
}

} // namespace varnel::ui
