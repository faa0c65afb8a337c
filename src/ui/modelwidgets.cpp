#include "ui/modelwidgets.h"

#include <QMouseEvent>
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
}

void ModelRadioButton::nextCheckState() {
    m_model.userClick(nameOf(this));
}

ModelTextArea::ModelTextArea(forms::Form& model, QWidget* parent) : QPlainTextEdit(parent), m_model(model) {}

void ModelTextArea::mouseReleaseEvent(QMouseEvent* event) {
    QPlainTextEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton &&
        rect().contains(mapFromGlobal(event->globalPosition().toPoint())))
        m_model.userClick(nameOf(this));
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
