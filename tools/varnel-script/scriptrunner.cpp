#include "scriptrunner.h"

#include "json.h"
#include "snapshot.h"

#include "ui/program.h"
#include "windows/windows.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTableWidget>
#include <QTest>

#include <algorithm>
#include <utility>

namespace varnel::script {

namespace {

std::string iconName(QMessageBox::Icon icon) {
    switch (icon) {
    case QMessageBox::Critical:
        return "stop";
    case QMessageBox::Warning:
        return "exclamation";
    case QMessageBox::Question:
        return "question";
    default:
        return "none";
    }
}

// Where a user clicks a check box or option button: on its indicator.
QPoint indicatorCentre(QAbstractButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    const bool radio = qobject_cast<QRadioButton*>(button) != nullptr;
    return button->style()
        ->subElementRect(radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator, &option,
                         button)
        .center();
}

// The main window's menu entries, from its definition (文件 and its items, 项目, 帮助, 关于, …).
bool isMenuItem(const std::string& name) {
    const forms::ControlDef* c = windows::mainWindowDefinition().find(name);
    return c && c->kind == forms::ControlKind::MenuItem;
}

// A message box's buttons as they read, in the order they stand.
std::string buttonsJson(const QMessageBox* box) {
    QList<QAbstractButton*> buttons = box->buttons();
    std::sort(buttons.begin(), buttons.end(),
              [](const QAbstractButton* a, const QAbstractButton* b) { return a->x() < b->x(); });
    std::string json = "[";
    for (const QAbstractButton* b : buttons) {
        if (json.size() > 1)
            json += ",";
        json += script::quoted(b->text().remove(QLatin1Char('&')).toStdString());
    }
    return json + "]";
}

} // namespace

std::string unescape(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            const char next = text[i + 1];
            if (next == 't' || next == 'n' || next == '\\') {
                out += next == 't' ? '\t' : next == 'n' ? '\n' : '\\';
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

ScriptRunner::ScriptRunner(ui::Program& program, Output output)
    : m_program(program), m_output(std::move(output)) {
    // A message box runs an event loop of its own; the watch answers it from inside that loop.
    m_messageWatch.setInterval(0);
    connect(&m_messageWatch, &QTimer::timeout, this, [this] { answerModalWindow(); });
}

void ScriptRunner::answerModalWindow() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible())
        return;
    if (auto* box = qobject_cast<QMessageBox*>(modal))
        answerMessageBox(box);
    else if (qobject_cast<QFileDialog*>(modal) || qobject_cast<QPrintDialog*>(modal))
        answerFileDialog(modal);
    else if (qobject_cast<QInputDialog*>(modal))
        answerTextDialog(modal);
}

// A text dialog is answered with the first text prepared by answer-text, typed over what it suggests;
// without a prepared answer it is cancelled.
void ScriptRunner::answerTextDialog(QWidget* dialog) {
    if (dialog == m_answering)
        return;
    auto* input = static_cast<QInputDialog*>(dialog);
    std::optional<std::string> answer;
    if (!m_textAnswers.empty()) {
        answer = std::move(m_textAnswers.front());
        m_textAnswers.pop_front();
    }
    m_output(JsonObject()
                 .raw("text", JsonObject()
                                  .text("title", input->windowTitle().toStdString())
                                  .text("label", input->labelText().toStdString())
                                  .text("suggested", input->textValue().toStdString())
                                  .raw("answer", answer ? script::quoted(*answer) : std::string("null"))
                                  .str())
                 .str());
    m_answering = dialog;
    QTimer::singleShot(0, dialog, [input, answer] {
        if (!answer) {
            QTest::keyClick(input, Qt::Key_Escape);
            return;
        }
        auto* edit = input->findChild<QLineEdit*>();
        edit->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QApplication::clipboard()->setText(QString::fromStdString(*answer));
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Return);
    });
}

// A file dialog is answered with the path prepared by answer-file, typed as its file name; a print
// dialog prints into that file (as PDF). Without a prepared answer the dialog is cancelled.
void ScriptRunner::answerFileDialog(QWidget* dialog) {
    if (dialog == m_answering)
        return; // its answer is on its way
    const std::optional<std::string> answer = std::exchange(m_fileAnswer, std::nullopt);
    m_output(JsonObject()
                 .raw("file", JsonObject()
                                  .text("title", dialog->windowTitle().toStdString())
                                  .raw("answer", answer ? script::quoted(*answer) : std::string("null"))
                                  .str())
                 .str());
    if (!answer) {
        QTest::keyClick(dialog, Qt::Key_Escape);
        return;
    }
    // A relative answer names a file in the script's working folder, wherever the dialog starts.
    const QString path = QDir::current().absoluteFilePath(QString::fromStdString(*answer));
    if (auto* print = qobject_cast<QPrintDialog*>(dialog)) {
        print->printer()->setOutputFormat(QPrinter::PdfFormat);
        print->printer()->setOutputFileName(path);
        print->done(QDialog::Accepted);
        return;
    }
    // Answered from a timer of its own: a question the dialog then asks (replace the file?) runs a modal
    // loop in which this watch must fire again.
    m_answering = dialog;
    QTimer::singleShot(0, dialog, [dialog, path] {
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (!name) {
            static_cast<QFileDialog*>(dialog)->selectFile(path);
            QMetaObject::invokeMethod(dialog, "accept");
            return;
        }
        name->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
        QApplication::clipboard()->setText(path);
        QTest::keyClick(name, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(name, Qt::Key_Return);
    });
}

void ScriptRunner::answerMessageBox(QMessageBox* box) {
    m_output(JsonObject()
                 .raw("message", JsonObject()
                                     .text("title", box->windowTitle().toStdString())
                                     .text("text", box->text().toStdString())
                                     .text("icon", iconName(box->icon()))
                                     .raw("buttons", buttonsJson(box))
                                     .str())
                 .str());
    // The button prepared by answer-button; else OK where there is one; a question such as replacing the
    // file the script chose with Yes; any other question with its default button.
    QAbstractButton* answer = nullptr;
    if (const std::optional<std::string> caption = std::exchange(m_buttonAnswer, std::nullopt)) {
        for (QAbstractButton* b : box->buttons())
            if (b->text().remove(QLatin1Char('&')).toStdString() == *caption)
                answer = b;
    }
    if (!answer)
        answer = box->button(QMessageBox::Ok);
    if (!answer)
        answer = box->button(QMessageBox::Yes);
    if (!answer)
        answer = box->defaultButton();
    if (!answer && !box->buttons().isEmpty())
        answer = box->buttons().first();
    if (answer)
        QTest::mouseClick(answer, Qt::LeftButton, {}, answer->rect().center());
}

void ScriptRunner::refuse(int line, const std::string& reason) {
    m_output(
        JsonObject().raw("refused", JsonObject().number("line", line).text("reason", reason).str()).str());
}

ScriptRunner::Target ScriptRunner::resolve(const std::string& reference, bool forUser) {
    Target t;
    std::string form = "Form1";
    std::string control = reference;
    if (const auto dot = reference.find('.'); dot != std::string::npos) {
        form = reference.substr(0, dot);
        control = reference.substr(dot + 1);
    }
    t.control = control;
    bool known = false;
    for (const std::string& name : windows::names())
        known = known || name == form;
    if (!known) {
        t.refusal = "no window " + form;
        return t;
    }
    t.window = m_program.window(form);
    if (!t.window) {
        t.refusal = form + " is not open";
        return t;
    }
    if (!forUser && control.empty())
        return t;
    t.widget = t.window->control(control);
    if (!t.widget) {
        t.refusal = "no control " + control + " in " + form;
        return t;
    }
    if (forUser && !t.widget->isVisible())
        t.refusal = control + " is hidden";
    else if (forUser && !t.widget->isEnabled())
        t.refusal = control + " is disabled";
    return t;
}

void ScriptRunner::settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// A command on a control a user must reach, with the rest of the line after the control's name.
template <typename Action>
void ScriptRunner::onControl(const std::string& rest, int line, Action action) {
    const auto gap = rest.find(' ');
    const Target t = resolve(rest.substr(0, gap), true);
    if (!t.refusal.empty())
        refuse(line, t.refusal);
    else
        action(t, gap == std::string::npos ? std::string() : rest.substr(gap + 1));
}

bool ScriptRunner::run(const std::string& rawLine, int lineNumber) {
    std::string line = rawLine;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    if (line.find_first_not_of(" \t") == std::string::npos || line[line.find_first_not_of(" \t")] == '#')
        return true;

    const auto space = line.find(' ');
    const std::string command = line.substr(0, space);
    const std::string rest = space == std::string::npos ? std::string() : line.substr(space + 1);

    m_messageWatch.start();
    if (command == "state") {
        m_output(JsonObject().raw("state", windowsJson(m_program)).str());
    } else if (command == "vars") {
        m_output(JsonObject().raw("vars", variablesJson(m_program)).str());
    } else if (command == "click") {
        if (isMenuItem(rest))
            clickMenuItem(rest, lineNumber);
        else if (Target t = resolve(rest, true); !t.refusal.empty())
            refuse(lineNumber, t.refusal);
        else
            click(t, lineNumber);
    } else if (command == "choose") {
        onControl(rest, lineNumber,
                  [&](const Target& t, const std::string& argument) { choose(t, argument, lineNumber); });
    } else if (command == "type") {
        onControl(rest, lineNumber, [&](const Target& t, const std::string& argument) {
            type(t, unescape(argument), lineNumber);
        });
    } else if (command == "key") {
        onControl(rest, lineNumber,
                  [&](const Target& t, const std::string& argument) { key(t, argument, lineNumber); });
    } else if (command == "answer-file") {
        m_fileAnswer = rest;
    } else if (command == "answer-text") {
        m_textAnswers.push_back(unescape(rest));
    } else if (command == "answer-button") {
        m_buttonAnswer = rest;
    } else if (command == "activate") {
        onControl(rest, lineNumber,
                  [&](const Target& t, const std::string& argument) { activate(t, argument, lineNumber); });
    } else if (command == "picture") {
        picture(rest, lineNumber);
    } else if (command == "close") {
        Target t = resolve(rest + ".", false);
        if (!t.refusal.empty())
            refuse(lineNumber, t.refusal);
        else
            t.window->close();
    } else {
        refuse(lineNumber, "unknown command " + command);
    }
    settle();
    m_messageWatch.stop();
    if (m_program.ended()) {
        m_output(JsonObject().flag("exit", true).str());
        return false;
    }
    return true;
}

void ScriptRunner::click(const Target& t, int line) {
    QWidget* w = t.widget;
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        const bool toggles = qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w);
        QTest::mouseClick(w, Qt::LeftButton, {}, toggles ? indicatorCentre(button) : w->rect().center());
    } else if (auto* area = qobject_cast<QPlainTextEdit*>(w)) {
        QTest::mouseClick(area->viewport(), Qt::LeftButton, {}, area->viewport()->rect().center());
    } else if (qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w)) {
        QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
        if (auto* combo = qobject_cast<QComboBox*>(w))
            combo->hidePopup(); // a click opens the list; clicking again closes it unchosen
    } else {
        refuse(line, t.control + " takes no clicks");
    }
}

void ScriptRunner::clickMenuItem(const std::string& name, int line) {
    ui::FormWindow* main = m_program.window(std::string(windows::main));
    if (!main) {
        refuse(line, "Form1 is not open");
        return;
    }
    QMenuBar* bar = main->menuBar();
    QAction* action = main->menuItem(name);
    if (!action) {
        refuse(line, "no menu item " + name);
        return;
    }
    if (!action->isVisible() || !action->isEnabled()) {
        refuse(line, name + (action->isVisible() ? " is disabled" : " is hidden"));
        return;
    }
    // The menus that lead to the item, from the bar down, as the window's definition nests them.
    std::vector<QMenu*> path;
    const forms::FormDef& def = main->model().definition();
    for (std::string menu = def.at(name).container; !menu.empty(); menu = def.at(menu).container)
        path.insert(path.begin(), main->menuItem(menu)->menu());
    if (path.empty()) { // a top-level item is clicked on the bar
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(action).center());
        if (action->menu())
            action->menu()->hide(); // a menu title only opens its menu; nothing was picked from it
        return;
    }
    // Open the menu on the bar, then each sub-menu by hovering its entry, then click the item.
    QAction* top = path.front()->menuAction();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(top).center());
    if (!path.front()->isVisible())
        path.front()->popup(bar->mapToGlobal(bar->actionGeometry(top).bottomLeft()));
    for (std::size_t i = 1; i < path.size(); ++i) {
        QMenu* parent = path[i - 1];
        const QRect entry = parent->actionGeometry(path[i]->menuAction());
        QTest::mouseMove(parent, entry.center());
        parent->setActiveAction(path[i]->menuAction());
        if (!path[i]->isVisible())
            path[i]->popup(parent->mapToGlobal(entry.topRight()));
    }
    QMenu* last = path.back();
    QTest::mouseClick(last, Qt::LeftButton, {}, last->actionGeometry(action).center());
    for (QMenu* menu : path)
        menu->hide();
}

// Writes a PNG of the window as it stands, its menu bar included, into the file named after it (relative
// to the working folder).
void ScriptRunner::picture(const std::string& rest, int line) {
    const auto gap = rest.find(' ');
    if (gap == std::string::npos || rest.find_first_not_of(' ', gap) == std::string::npos) {
        refuse(line, "picture wants a window and a file");
        return;
    }
    Target t = resolve(rest.substr(0, gap) + ".", false);
    if (!t.refusal.empty()) {
        refuse(line, t.refusal);
        return;
    }
    const QString path = QDir::current().absoluteFilePath(
        QString::fromStdString(rest.substr(rest.find_first_not_of(' ', gap))));
    settle();
    if (!t.window->grab().save(path, "PNG"))
        refuse(line, "cannot write " + path.toStdString());
}

// Double-clicks the row of a table whose first column reads `row`.
void ScriptRunner::activate(const Target& t, const std::string& row, int line) {
    auto* table = qobject_cast<QTableWidget*>(t.widget);
    if (!table) {
        refuse(line, t.control + " is not a table");
        return;
    }
    const int rows = static_cast<int>(t.window->model().rows(t.control).size());
    for (int r = 0; r < rows; ++r) {
        QTableWidgetItem* cell = table->item(r, 0);
        if (!cell || cell->text().toStdString() != row)
            continue;
        table->scrollToItem(cell);
        const QPoint at = table->visualItemRect(cell).center();
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, at);
        return;
    }
    refuse(line, "\"" + row + "\" is not a row of " + t.control);
}

void ScriptRunner::choose(const Target& t, const std::string& item, int line) {
    auto* combo = qobject_cast<QComboBox*>(t.widget);
    if (!combo) {
        refuse(line, t.control + " is not a list");
        return;
    }
    // An item by its text as the model holds it (what choosing it sets), which its label may add to.
    const int index = combo->findData(QString::fromStdString(item));
    if (index < 0) {
        refuse(line, "\"" + item + "\" is not an item of " + t.control);
        return;
    }
    // Open the list with a click, then click the item in it. The list takes the click that lands right
    // after it opened as part of the opening click, so the item is then confirmed with Enter.
    QTest::mouseClick(combo, Qt::LeftButton, {}, combo->rect().center());
    QAbstractItemView* view = combo->view();
    if (!view->isVisible())
        combo->showPopup();
    const QRect itemRect = view->visualRect(view->model()->index(index, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, itemRect.center());
    if (view->isVisible())
        QTest::keyClick(view, Qt::Key_Return);
    if (view->isVisible())
        combo->hidePopup();
}

// Gives the control the focus as Tab would, then presses the keys: names as Qt writes them ("Space",
// "Return", "Down", "Ctrl+S"), separated by blanks; each goes to the widget that has the focus then.
void ScriptRunner::key(const Target& t, const std::string& keys, int line) {
    if (t.widget->focusPolicy() == Qt::NoFocus) {
        refuse(line, t.control + " takes no focus");
        return;
    }
    QList<QKeyCombination> presses;
    for (const QString& name : QString::fromStdString(keys).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QKeySequence sequence = QKeySequence::fromString(name, QKeySequence::PortableText);
        if (sequence.isEmpty() || sequence[0].key() == Qt::Key_unknown) {
            refuse(line, "unknown key " + name.toStdString());
            return;
        }
        presses.append(sequence[0]);
    }
    // Keys go to the active window, as a user's do: bring it to the front first.
    t.window->activateWindow();
    if (!QTest::qWaitForWindowActive(t.window, 1000)) {
        refuse(line, t.window->model().name() + " cannot be made the active window");
        return;
    }
    t.widget->setFocus(Qt::TabFocusReason);
    for (const QKeyCombination& press : presses) {
        QWidget* focused = QApplication::focusWidget() ? QApplication::focusWidget() : t.widget;
        QTest::keyClick(focused, press.key(), press.keyboardModifiers());
    }
}

void ScriptRunner::type(const Target& t, const std::string& text, int line) {
    QWidget* w = t.widget;
    auto* edit = qobject_cast<QLineEdit*>(w);
    auto* area = qobject_cast<QPlainTextEdit*>(w);
    if (!edit && !area) {
        refuse(line, t.control + " is not a text box");
        return;
    }
    if ((edit && edit->isReadOnly()) || (area && area->isReadOnly())) {
        refuse(line, t.control + " is read-only");
        return;
    }
    QWidget* target = area ? area->viewport() : w;
    QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
    QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
    const QString typed = QString::fromStdString(text);
    if (typed.isEmpty()) {
        QTest::keyClick(w, Qt::Key_Delete);
        return;
    }
    // Long texts, and texts with characters no key types, arrive the way users bring them: pasted.
    const bool plain = typed.size() <= 200 && std::all_of(typed.begin(), typed.end(), [](QChar c) {
                           return c.unicode() >= 0x20 && !c.isSurrogate();
                       });
    if (plain) {
        // ASCII goes key by key; other characters arrive as the text of a key event, as an input method
        // delivers them.
        for (QChar c : typed) {
            if (c.unicode() < 0x80)
                QTest::keyClick(w, c.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    } else {
        QApplication::clipboard()->setText(typed);
        QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier);
    }
}

} // namespace varnel::script
