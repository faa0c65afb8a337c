#include "ui/modelwidgets.h"

#include "ui/optionaccessible.h"

#include <algorithm>
#include <climits>

#include <QAccessible>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QStyle>
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
    // Enter, or leaving the box after changing it, commits what was typed.
    connect(this, &QLineEdit::editingFinished, this, [this] {
        if (m_committing && !isReadOnly())
            m_model.userCommit(nameOf(this));
    });
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

ModelTable::ModelTable(forms::Form& model, const std::vector<std::string>& columns, QWidget* parent)
    : QTableWidget(0, static_cast<int>(columns.size()), parent), m_model(model) {
    QStringList headings;
    for (const std::string& c : columns)
        headings << QString::fromStdString(c);
    setHorizontalHeaderLabels(headings);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(false); // Tab leaves the table, as it leaves every other control
    setWordWrap(false);
    verticalHeader()->setVisible(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    horizontalHeader()->setHighlightSections(false);
    // Columns are sized to the widest of the first rows, the total row and the headings: the rows below
    // the first hundred hold the same kind of text, and measuring thousands of cells would make a large
    // project slow to show.
    horizontalHeader()->setResizeContentsPrecision(100);
    connect(this, &QTableWidget::itemSelectionChanged, this, [this] { selected(); });
    // The total row is never current: a click or a key that lands there goes back to the model's row.
    connect(this, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (!m_showing && row >= static_cast<int>(m_model.rows(nameOf(this)).size()))
            QMetaObject::invokeMethod(
                this, [this] { showCurrentRow(); }, Qt::QueuedConnection);
    });
    connect(this, &QTableWidget::activated, this, [this](const QModelIndex& index) {
        if (index.row() < static_cast<int>(m_model.rows(nameOf(this)).size()))
            m_model.userActivateRow(nameOf(this), index.row());
    });
}

void ModelTable::showRows() {
    const std::string name = nameOf(this);
    const std::vector<forms::Row>& rows = m_model.rows(name);
    const forms::Row& footer = m_model.state(name).footer;
    m_showing = true;
    setUpdatesEnabled(false);
    setRowCount(static_cast<int>(rows.size() + (footer.empty() ? 0 : 1)));
    QFont bold = font();
    bold.setBold(true);
    const auto fill = [&](int row, const forms::Row& texts, bool total) {
        for (int column = 0; column < columnCount(); ++column) {
            const QString text = column < static_cast<int>(texts.size())
                                     ? QString::fromStdString(texts[static_cast<std::size_t>(column)])
                                     : QString();
            if (QTableWidgetItem* shown = item(row, column);
                shown && shown->text() == text && shown->font().bold() == total)
                continue;
            // A cell is set up whole before the table takes it: each change to a cell it holds is a
            // change the table has to follow.
            auto* cell = new QTableWidgetItem(text);
            // Names read from the left; amounts line up on the right, like the result boxes.
            cell->setTextAlignment(Qt::AlignVCenter | (column >= 3 ? Qt::AlignRight : Qt::AlignLeft));
            cell->setFlags(total ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            if (total)
                cell->setFont(bold);
            setItem(row, column, cell);
        }
    };
    for (int row = 0; row < static_cast<int>(rows.size()); ++row)
        fill(row, rows[static_cast<std::size_t>(row)], false);
    if (!footer.empty())
        fill(static_cast<int>(rows.size()), footer, true);
    sizeColumns();
    setUpdatesEnabled(true);
    m_showing = false;
    showCurrentRow();
}

// Columns are as wide as their contents and the total row, then fitted to the table's width.
void ModelTable::sizeColumns() {
    horizontalHeader()->setStretchLastSection(false);
    resizeColumnsToContents();
    // The total row is always seen whole, wherever it stands.
    const forms::Row& footer = m_model.state(nameOf(this)).footer;
    if (!footer.empty() && rowCount() > 0) {
        QFont bold = font();
        bold.setBold(true);
        const QFontMetrics metrics(bold);
        const int margin = 2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 8;
        for (int column = 0; column < columnCount(); ++column) {
            const QTableWidgetItem* total = item(rowCount() - 1, column);
            if (total)
                setColumnWidth(
                    column, std::max(columnWidth(column), metrics.horizontalAdvance(total->text()) + margin));
        }
    }
    fitColumnsToWidth();
    horizontalHeader()->setStretchLastSection(true);
}

// The table's width is known once it is laid out: the columns are fitted again whenever it changes.
void ModelTable::resizeEvent(QResizeEvent* event) {
    QTableWidget::resizeEvent(event);
    if (!m_showing)
        sizeColumns();
}

// Where the columns are wider than the table, the names give way: the widest of the text columns (those
// before the amounts) narrows, its long texts ending in "…", never below its heading, so that every amount
// stays in view without scrolling sideways.
void ModelTable::fitColumnsToWidth() {
    constexpr int textColumns = 3;
    const int room = viewport()->width();
    int excess = horizontalHeader()->length() - room;
    while (excess > 0) {
        int widest = -1;
        for (int column = 0; column < std::min(textColumns, columnCount()); ++column) {
            const int least = horizontalHeader()->sectionSizeHint(column);
            if (columnWidth(column) > least && (widest < 0 || columnWidth(column) > columnWidth(widest)))
                widest = column;
        }
        if (widest < 0)
            return;
        // Down to the next widest, or as far as needed, or to its heading.
        int next = horizontalHeader()->sectionSizeHint(widest);
        for (int column = 0; column < std::min(textColumns, columnCount()); ++column)
            if (column != widest && columnWidth(column) < columnWidth(widest))
                next = std::max(next, columnWidth(column));
        const int cut = std::max(1, std::min(excess, columnWidth(widest) - next));
        setColumnWidth(widest, columnWidth(widest) - cut);
        excess -= cut;
    }
}

void ModelTable::showCurrentRow() {
    const int row = m_model.currentRow(nameOf(this));
    m_showing = true;
    if (row < 0) {
        clearSelection();
    } else {
        setCurrentCell(row, 0, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        scrollToItem(item(row, 0));
    }
    m_showing = false;
}

void ModelTable::selected() {
    if (m_showing)
        return;
    const QList<QTableWidgetItem*> chosen = selectedItems();
    if (!chosen.isEmpty() && chosen.first()->row() < static_cast<int>(m_model.rows(nameOf(this)).size()))
        m_model.userSelectRow(nameOf(this), chosen.first()->row());
}

void ModelTable::keyPressEvent(QKeyEvent* event) {
    // Enter activates the current row on every platform, not only where the style says so.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentRow() >= 0 &&
        currentRow() < static_cast<int>(m_model.rows(nameOf(this)).size())) {
        m_model.userActivateRow(nameOf(this), currentRow());
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
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
