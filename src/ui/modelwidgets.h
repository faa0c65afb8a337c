#pragma once

// Widgets that never change their own state: a user's click or keystroke becomes an operation on the
// control model, and the widget shows what the model then holds (see FormWindow::mirror).

#include "forms/form.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

namespace varnel::ui {

// A check box whose toggling is the model's: a click asks the model, which ticks and runs the handler.
class ModelCheckBox : public QCheckBox {
  public:
    ModelCheckBox(forms::Form& model, const QString& caption, QWidget* parent);

  protected:
    void nextCheckState() override;

  private:
    forms::Form& m_model;
};

// An option button whose choosing is the model's (it clears the others of its group there).
// Q_OBJECT gives it a class name of its own, by which a screen reader is told it is an option button.
class ModelRadioButton : public QRadioButton {
    Q_OBJECT

  public:
    ModelRadioButton(forms::Form& model, const QString& caption, QWidget* parent);

  protected:
    void nextCheckState() override;

  private:
    forms::Form& m_model;
};

// A one-line text box whose typing goes to the model, with an undo history that stays bounded however long
// the user types: Qt's line edit records every character typed or removed and never forgets one. Once the
// edits recorded before the latest one pass `undoLimit` characters the history starts again from the text
// before the latest edit, with that edit recorded anew, so Ctrl+Z still takes back the latest edit.
class ModelLineEdit : public QLineEdit {
  public:
    static constexpr qsizetype undoLimit = 20000;

    ModelLineEdit(forms::Form& model, QWidget* parent);
    // From now on the box commits nothing: its window is closing, and leaving the box then is no commit.
    void stopCommitting() { m_committing = false; }

  private:
    void edited(const QString& text);

    forms::Form& m_model;
    qsizetype m_recorded = 0; // characters the history holds, at most: inserted and removed ones
    bool m_committing = true;
};

// A multi-line text box; a mouse click on it is delivered to the model as a Click. So are Space and Enter
// while it has the focus and is read-only: a grade's description is chosen from the keyboard that way.
class ModelTextArea : public QPlainTextEdit {
  public:
    ModelTextArea(forms::Form& model, QWidget* parent);

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    forms::Form& m_model;
};

// A table of rows to read, a row at a time: selecting a row (by mouse or keys) makes it the model's current
// row, and a double-click or Enter activates it there. A footer row, if the model has one, stands last in
// bold and cannot be selected.
class ModelTable : public QTableWidget {
  public:
    ModelTable(forms::Form& model, const std::vector<std::string>& columns, QWidget* parent);

    // Shows the model's rows and footer, and its current row.
    void showRows();
    void showCurrentRow();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void selected();
    void sizeColumns();
    void fitColumnsToWidth();

    forms::Form& m_model;
    bool m_showing = false;
};

// A command button whose caption may wrap over several lines, as a tall button's does.
class WrappingButton : public QPushButton {
  public:
    WrappingButton(const QString& caption, QWidget* parent);
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace varnel::ui
