#include "ui/formwindow.h"

#include "ui/captionedframe.h"

#include "ui/modelwidgets.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStandardItemModel>

#include <algorithm>
#include <climits>

namespace varnel::ui {

namespace {

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

// Multi-line text keeps CR LF line breaks in the model; the text widget works with LF alone.
QString toWidgetText(const std::string& text) {
    return qs(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QFont fontOf(const forms::FontDef& def) {
    QFont font;
    font.setFamilies({qs(def.family), qs(def.fallback)});
    font.setPointSizeF(def.points);
    font.setBold(def.bold);
    return font;
}

double screenDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInch() : 96.0;
}

} // namespace

FormWindow::FormWindow(const forms::FormDef& definition, QWidget* parent)
    : QMainWindow(parent), m_model(std::make_unique<forms::Form>(definition)), m_twips(screenDpi()) {
    setObjectName(qs(definition.name));
    build();
    // F1 asks for help wherever the focus is in the window.
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    help->setContext(Qt::WindowShortcut);
    connect(help, &QShortcut::activated, this, &FormWindow::helpRequested);
    m_model->addListener(
        [this](const std::string& control, forms::Property property) { mirror(control, property); });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (!now || now->window() != this)
            return;
        const std::string name = now->objectName().toStdString();
        if (m_widgets.contains(name))
            m_model->setFocus(name);
    });
}

FormWindow::~FormWindow() {
    stopCommitting(); // the widgets outlive the model they would commit to
}

void FormWindow::stopCommitting() {
    for (auto& [name, widget] : m_widgets)
        if (auto* edit = dynamic_cast<ModelLineEdit*>(widget))
            edit->stopCommitting();
}

QWidget* FormWindow::control(const std::string& name) {
    if (m_waiting.contains(name))
        buildWaitingGroup(name);
    return built(name);
}

QWidget* FormWindow::built(const std::string& name) const {
    auto it = m_widgets.find(name);
    return it == m_widgets.end() ? nullptr : it->second;
}

// Whether the model shows the control and every container around it.
bool FormWindow::shownByModel(const std::string& name) const {
    for (const forms::ControlDef* c = &m_model->definition().at(name); c;
         c = c->container.empty() ? nullptr : &m_model->definition().at(c->container))
        if (!m_model->state(c->name).visible)
            return false;
    return true;
}

// Makes a waiting control with the whole group it waits in: the outermost waiting container and every
// control inside it, in the order of the definition, each showing the model's state as if it had been
// there from the start.
void FormWindow::buildWaitingGroup(const std::string& name) {
    const forms::FormDef& def = m_model->definition();
    const forms::ControlDef* outermost = &def.at(name);
    while (!outermost->container.empty() && m_waiting.contains(outermost->container))
        outermost = &def.at(outermost->container);
    std::vector<const forms::ControlDef*> group;
    std::unordered_set<std::string> inGroup{outermost->name};
    for (const forms::ControlDef& c : def.controls) {
        if (c.name != outermost->name && !inGroup.contains(c.container))
            continue;
        inGroup.insert(c.name);
        m_waiting.erase(c.name);
        m_widgets[c.name] = create(c, c.container.empty() ? m_client : built(c.container));
        group.push_back(&c);
    }
    for (const forms::ControlDef* c : group)
        mirrorControl(c->name);
    raiseFrames();
    applyTabOrder();
}

QAction* FormWindow::menuItem(const std::string& name) const {
    auto it = m_menuItems.find(name);
    return it == m_menuItems.end() ? nullptr : it->second;
}

void FormWindow::build() {
    const forms::FormDef& def = m_model->definition();
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    m_client->setFixedSize(m_twips.px(def.clientWidth), m_twips.px(def.clientHeight));
    setCentralWidget(m_client);
    if (def.hasMenuBar)
        buildMenus();

    // Containers come before their contents in every definition, so one pass finds each parent.
    for (const forms::ControlDef& c : def.controls) {
        if (c.kind == forms::ControlKind::MenuItem)
            continue;
        if (!m_model->state(c.name).visible || m_waiting.contains(c.container)) {
            m_waiting.insert(c.name);
            continue;
        }
        m_widgets[c.name] = create(c, c.container.empty() ? m_client : built(c.container));
    }
    buildContextMenus();
    raiseFrames();
    applyTabOrder();
    mirrorAll();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void FormWindow::buildMenus() {
    const forms::FormDef& def = m_model->definition();
    QMenuBar* bar = menuBar();
    for (const forms::ControlDef& top : def.controls) {
        if (top.kind != forms::ControlKind::MenuItem || !top.container.empty())
            continue;
        QAction* action = nullptr;
        if (hasMenuItems(top.name)) {
            QMenu* menu = bar->addMenu(qs(top.caption));
            menu->setObjectName(qs(top.name));
            addMenuItems(*menu, top.name);
            action = menu->menuAction();
        } else {
            action = bar->addAction(qs(top.caption));
            connect(action, &QAction::triggered, this, [this, name = top.name] { m_model->userClick(name); });
        }
        action->setObjectName(qs(top.name));
        m_menuItems[top.name] = action;
    }
}

// A menu item in a text box is an entry of the box's context menu, below the toolkit's own; its key works
// wherever the focus is in the window.
void FormWindow::buildContextMenus() {
    for (const forms::ControlDef& item : m_model->definition().controls) {
        if (item.kind != forms::ControlKind::MenuItem || item.container.empty())
            continue;
        auto* text = qobject_cast<QPlainTextEdit*>(control(item.container));
        if (!text)
            continue;
        auto* action = new QAction(qs(item.caption), this);
        action->setObjectName(qs(item.name));
        if (!item.shortcut.empty())
            action->setShortcut(QKeySequence(qs(item.shortcut)));
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
        connect(action, &QAction::triggered, this, [this, name = item.name] { m_model->userClick(name); });
        m_menuItems[item.name] = action;
        if (text->contextMenuPolicy() == Qt::CustomContextMenu)
            continue; // the box's menu is set up already
        text->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(text, &QWidget::customContextMenuRequested, this,
                [this, text, box = item.container](const QPoint& at) {
                    QMenu* menu = text->createStandardContextMenu(at);
                    menu->addSeparator();
                    for (const forms::ControlDef& entry : m_model->definition().controls)
                        if (entry.kind == forms::ControlKind::MenuItem && entry.container == box)
                            menu->addAction(menuItem(entry.name));
                    menu->setAttribute(Qt::WA_DeleteOnClose);
                    menu->popup(text->viewport()->mapToGlobal(at));
                });
    }
}

bool FormWindow::hasMenuItems(const std::string& menu) const {
    const forms::FormDef& def = m_model->definition();
    return std::any_of(def.controls.begin(), def.controls.end(), [&](const forms::ControlDef& c) {
        return c.kind == forms::ControlKind::MenuItem && c.container == menu;
    });
}

// The items of a menu, each a command, a separator ("-") or a sub-menu of items of its own.
void FormWindow::addMenuItems(QMenu& menu, const std::string& parent) {
    for (const forms::ControlDef& item : m_model->definition().controls) {
        if (item.kind != forms::ControlKind::MenuItem || item.container != parent)
            continue;
        QAction* action = nullptr;
        if (item.caption == "-") {
            action = menu.addSeparator();
        } else if (hasMenuItems(item.name)) {
            QMenu* sub = menu.addMenu(qs(item.caption));
            sub->setObjectName(qs(item.name));
            addMenuItems(*sub, item.name);
            action = sub->menuAction();
        } else {
            action = menu.addAction(qs(item.caption));
            if (!item.shortcut.empty())
                action->setShortcut(QKeySequence(qs(item.shortcut)));
            connect(action, &QAction::triggered, this,
                    [this, name = item.name] { m_model->userClick(name); });
        }
        action->setObjectName(qs(item.name));
        m_menuItems[item.name] = action;
    }
}

QWidget* FormWindow::create(const forms::ControlDef& c, QWidget* parent) {
    using forms::ControlKind;
    forms::Form& model = *m_model;
    QWidget* w = nullptr;
    switch (c.kind) {
    case ControlKind::Frame:
        w = new CaptionedFrame(qs(c.caption), parent);
        break;
    case ControlKind::Label: {
        auto* label = new QLabel(qs(c.caption), parent);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setTextFormat(Qt::PlainText);
        if (c.bordered) {
            // A framed label indents its text from each edge it is aligned to: aligned to the top, the indent
            // pushes a line as high as the box below its border. Centred, the line shows whole inside it.
            label->setFrameShape(QFrame::Box);
            label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        }
        w = label;
        break;
    }
    case ControlKind::TextBox:
        if (c.multiLine) {
            // Every multi-line box holds text to read (the grade descriptions, the report, the help):
            // scrolled, selected and copied with the mouse or the keyboard, never typed into.
            auto* area = new ModelTextArea(model, parent);
            area->setReadOnly(true);
            area->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
            area->setLineWrapMode(c.scrollBars == forms::ScrollBars::Both ? QPlainTextEdit::NoWrap
                                                                          : QPlainTextEdit::WidgetWidth);
            area->setVerticalScrollBarPolicy(c.scrollBars == forms::ScrollBars::None ? Qt::ScrollBarAlwaysOff
                                                                                     : Qt::ScrollBarAlwaysOn);
            area->setHorizontalScrollBarPolicy(
                c.scrollBars == forms::ScrollBars::Both ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
            w = area;
        } else {
            auto* edit = new ModelLineEdit(model, parent);
            edit->setReadOnly(c.readOnly);
            w = edit;
        }
        break;
    case ControlKind::CheckBox:
        w = new ModelCheckBox(model, qs(c.caption), parent);
        break;
    case ControlKind::OptionButton:
        w = new ModelRadioButton(model, qs(c.caption), parent);
        break;
    case ControlKind::ComboBox: {
        auto* combo = new QComboBox(parent);
        connect(combo, &QComboBox::activated, this, [this, combo, name = c.name](int index) {
            m_model->userChoose(name, combo->itemData(index).toString().toStdString());
        });
        w = combo;
        break;
    }
    case ControlKind::CommandButton: {
        const QRect r = m_twips.rect(c.geometry);
        QPushButton* button = nullptr;
        if (QFontMetrics(c.font ? fontOf(*c.font) : font()).horizontalAdvance(qs(c.caption)) > r.width() - 8)
            button = new WrappingButton(qs(c.caption), parent);
        else
            button = new QPushButton(qs(c.caption), parent);
        connect(button, &QPushButton::clicked, this, [this, name = c.name] { m_model->userClick(name); });
        if (!c.shortcut.empty()) {
            // The button's key works wherever the focus is in the window, as a menu item's does; a
            // disabled or hidden button refuses it as it refuses a click.
            auto* key = new QAction(button);
            key->setShortcut(QKeySequence(qs(c.shortcut)));
            key->setShortcutContext(Qt::WindowShortcut);
            addAction(key);
            connect(key, &QAction::triggered, this, [this, name = c.name] { m_model->userClick(name); });
        }
        if (c.faceColour) {
            QPalette palette = button->palette();
            palette.setColor(QPalette::Button,
                             QColor(c.faceColour->red, c.faceColour->green, c.faceColour->blue));
            button->setPalette(palette);
        }
        w = button;
        break;
    }
    case ControlKind::Image: {
        auto* image = new QLabel(parent);
        QPixmap picture(qs(c.picture));
        image->setPixmap(picture);
        image->setGeometry(QRect(m_twips.rect(c.geometry).topLeft(), picture.size()));
        image->setObjectName(qs(c.name));
        image->setAccessibleName(qs(c.accessibleName));
        return image;
    }
    case ControlKind::Table:
        w = new ModelTable(model, c.items, parent);
        break;
    case ControlKind::MenuItem:
        return nullptr;
    }
    w->setObjectName(qs(c.name));
    if (c.font)
        w->setFont(fontOf(*c.font));
    if (!c.tooltip.empty())
        w->setToolTip(qs(c.tooltip));
    else if (!c.shortcut.empty())
        w->setToolTip(qs(c.shortcut)); // a button's key, shown where its caption cannot show it
    if (!c.accessibleName.empty())
        w->setAccessibleName(qs(c.accessibleName));
    if (!forms::takesFocus(c.kind))
        w->setFocusPolicy(Qt::NoFocus);
    QRect r = m_twips.rect(c.geometry);
    if (c.kind == ControlKind::CheckBox || c.kind == ControlKind::OptionButton ||
        c.kind == ControlKind::Label) {
        // Room for the glyphs of one line, inside the border where the label has one.
        const int border = c.kind == ControlKind::Label ? 2 * static_cast<QLabel*>(w)->frameWidth() : 0;
        r.setHeight(std::max(r.height(), w->fontMetrics().height() + border));
    }
    w->setGeometry(r);
    return w;
}

void FormWindow::applyTabOrder() {
    std::vector<const forms::ControlDef*> focusable;
    for (const forms::ControlDef& c : m_model->definition().controls)
        if (forms::takesFocus(c.kind) && built(c.name))
            focusable.push_back(&c);
    std::stable_sort(focusable.begin(), focusable.end(),
                     [](const forms::ControlDef* a, const forms::ControlDef* b) { return a->tab < b->tab; });
    for (std::size_t i = 1; i < focusable.size(); ++i)
        setTabOrder(built(focusable[i - 1]->name), built(focusable[i]->name));
}

// Stacked frames: the later ones lie on top.
void FormWindow::raiseFrames() {
    for (const forms::ControlDef& c : m_model->definition().controls)
        if (QWidget* frame = c.kind == forms::ControlKind::Frame ? built(c.name) : nullptr)
            frame->raise();
}

void FormWindow::focusFirstControl() {
    const forms::ControlDef* first = nullptr;
    for (const forms::ControlDef& c : m_model->definition().controls)
        if (forms::takesFocus(c.kind) && (!first || c.tab < first->tab))
            first = &c;
    if (first)
        m_model->setFocus(first->name);
    if (first && control(first->name))
        control(first->name)->setFocus(Qt::OtherFocusReason);
}

void FormWindow::mirrorAll() {
    using forms::Property;
    mirror({}, Property::Title);
    for (const forms::ControlDef& c : m_model->definition().controls)
        mirrorControl(c.name);
}

void FormWindow::mirrorControl(const std::string& name) {
    using forms::Property;
    if (m_model->definition().at(name).kind == forms::ControlKind::Image)
        return;
    for (Property p : {Property::Caption, Property::Text, Property::Rows, Property::Value, Property::Enabled,
                       Property::Visible})
        mirror(name, p);
}

// A menu item shows its caption and is shown and enabled as the model says; a separator keeps its line.
void FormWindow::mirrorMenuItem(QAction& action, const std::string& name, forms::Property property) {
    const forms::ControlState& s = m_model->state(name);
    switch (property) {
    case forms::Property::Caption:
        if (!action.isSeparator() && !action.menu())
            action.setText(qs(s.caption));
        break;
    case forms::Property::Enabled:
        action.setEnabled(s.enabled);
        break;
    case forms::Property::Visible:
        action.setVisible(s.visible);
        break;
    default:
        break;
    }
}

void FormWindow::mirror(const std::string& name, forms::Property property) {
    using forms::ControlKind;
    using forms::Property;
    if (property == Property::Title) {
        setWindowTitle(qs(m_model->title()));
        return;
    }
    if (QAction* action = menuItem(name)) {
        mirrorMenuItem(*action, name, property);
        return;
    }
    if (m_waiting.contains(name)) {
        // Made when the model shows it; until then the model alone holds its state.
        if (property == Property::Visible && shownByModel(name))
            buildWaitingGroup(name);
        return;
    }
    QWidget* w = built(name);
    if (!w)
        return;
    const forms::ControlState& s = m_model->state(name);
    const ControlKind kind = m_model->definition().at(name).kind;
    const QSignalBlocker blocker(w);
    switch (property) {
    case Property::Caption:
        if (auto* label = qobject_cast<QLabel*>(w))
            label->setText(qs(s.caption));
        else if (auto* frame = qobject_cast<QGroupBox*>(w))
            frame->setTitle(qs(s.caption));
        else if (auto* button = qobject_cast<QAbstractButton*>(w))
            button->setText(qs(s.caption));
        break;
    case Property::Text:
        if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            // A figure the program puts into a read-only box shows from its beginning, as a desktop text box
            // shows it: a result wider than its box reads " 958.1868…", not "…6899999999". A box the user
            // types into keeps its cursor at the end of its text, where typing goes on.
            if (edit->text() != qs(s.text)) {
                edit->setText(qs(s.text));
                if (edit->isReadOnly())
                    edit->setCursorPosition(0);
            }
        } else if (auto* area = qobject_cast<QPlainTextEdit*>(w)) {
            const QString text = toWidgetText(s.text);
            if (area->toPlainText() != text)
                area->setPlainText(text);
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            combo->setCurrentIndex(s.text.empty() ? -1 : combo->findData(qs(s.text)));
        }
        break;
    case Property::Value:
        if (kind == ControlKind::CheckBox || kind == ControlKind::OptionButton)
            static_cast<QAbstractButton*>(w)->setChecked(s.value != 0);
        else if (kind == ControlKind::Table)
            static_cast<ModelTable*>(w)->showCurrentRow();
        break;
    case Property::Rows:
        if (kind == ControlKind::Table)
            static_cast<ModelTable*>(w)->showRows();
        else if (kind == ControlKind::ComboBox)
            showItems(*static_cast<QComboBox*>(w), s);
        break;
    case Property::Title:
        break;
    case Property::Enabled:
        w->setEnabled(s.enabled);
        break;
    case Property::Visible:
        w->setVisible(s.visible);
        break;
    case Property::Focus:
        if (w->isVisible() && !w->hasFocus())
            w->setFocus(Qt::OtherFocusReason);
        break;
    }
}

// A combo box's list: each item shows its label (or its text) and carries its text; a heading is shown
// in bold and cannot be chosen, by mouse or by keys.
void FormWindow::showItems(QComboBox& combo, const forms::ControlState& s) {
    combo.clear();
    auto* items = qobject_cast<QStandardItemModel*>(combo.model());
    for (const forms::Row& row : s.rows) {
        const QString text = row.empty() ? QString() : qs(row[0]);
        const QString label = row.size() > 1 ? qs(row[1]) : text;
        combo.addItem(label, text);
        if (text.isEmpty() && items) {
            QStandardItem* heading = items->item(items->rowCount() - 1);
            heading->setFlags(Qt::NoItemFlags);
            QFont bold = heading->font();
            bold.setBold(true);
            heading->setFont(bold);
        }
    }
    combo.setCurrentIndex(s.text.empty() ? -1 : combo.findData(qs(s.text)));
}

void FormWindow::closeEvent(QCloseEvent* event) {
    if (m_mayClose && !m_mayClose()) {
        event->ignore();
        return;
    }
    event->accept();
    stopCommitting();
    Q_EMIT closed();
}

} // namespace varnel::ui
