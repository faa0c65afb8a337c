#include "ui/reportcommands.h"

#include "ui/formwindow.h"
#include "ui/printing.h"
#include "ui/reportpages.h"
#include "windows/secondarywindows.h"
#include "windows/windows.h"

#include <QAction>
#include <QBuffer>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QStandardPaths>

namespace varnel::ui {

namespace {

const QString pdfFilter = QStringLiteral("PDF 文件 (*.pdf)");
const QString textFilter = QStringLiteral("文本文件 (*.txt)");

bool isPdf(const QString& path) {
    return path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive);
}

bool isText(const QString& path) {
    return path.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive);
}

} // namespace

QString reportPath(const QString& chosen, bool textChosen) {
    if (isPdf(chosen) || isText(chosen))
        return chosen;
    return chosen + (textChosen ? QStringLiteral(".txt") : QStringLiteral(".pdf"));
}

SavedReport saveReportFile(const QString& path, const std::string& text,
                           const std::function<int(QPdfWriter&)>& paint, const QString& title) {
    if (!isPdf(path))
        return {path, projects::writeWholeFile(path.toStdString(), text)};
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setCreator(QStringLiteral("Varnel"));
        pdf.setTitle(title);
        setUpReportPage(pdf);
        if (paint(pdf) == 0)
            return {path, projects::FileFailure{"无法生成 PDF 文件", ""}};
    }
    return {path, projects::writeWholeFile(
                      path.toStdString(),
                      std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())))};
}

SavedReport saveReport(const QString& path, const std::string& report, const QFont& font) {
    return saveReportFile(
        path, report, [&](QPdfWriter& pdf) { return paintReport(pdf, QString::fromStdString(report), font); },
        QStringLiteral("计算书"));
}

std::string reportNotSaved(std::string_view document, const SavedReport& saved) {
    return std::string(document) + "未能保存为“" + QFileInfo(saved.path).fileName().toStdString() + "”：" +
           projects::explained(*saved.failure, "再保存一次");
}

ReportCommands::ReportCommands(FormWindow& window, forms::Desktop& desktop)
    : QObject(&window), m_window(window), m_desktop(desktop),
      m_print(new QAction(QStringLiteral("打印…"), this)),
      m_save(new QAction(QStringLiteral("另存为…"), this)) {
    m_print->setShortcut(QKeySequence::Print);
    m_save->setShortcut(QKeySequence::Save);
    for (QAction* action : {m_print, m_save}) {
        action->setShortcutContext(Qt::WindowShortcut);
        m_window.addAction(action);
    }
    connect(m_print, &QAction::triggered, this, [this] { print(); });
    connect(m_save, &QAction::triggered, this, [this] { save(); });

    if (auto* text =
            qobject_cast<QPlainTextEdit*>(m_window.control(std::string(windows::reportwindow::text)))) {
        text->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(text, &QWidget::customContextMenuRequested, this, [this, text](const QPoint& at) {
            QMenu* menu = text->createStandardContextMenu(at);
            menu->addSeparator();
            menu->addAction(m_print);
            menu->addAction(m_save);
            menu->setAttribute(Qt::WA_DeleteOnClose);
            menu->popup(text->viewport()->mapToGlobal(at));
        });
    }
}

std::string ReportCommands::report() const {
    return m_window.model().text(std::string(windows::reportwindow::text));
}

QFont ReportCommands::reportFont() const {
    const QWidget* text = m_window.control(std::string(windows::reportwindow::text));
    return text ? text->font() : m_window.font();
}

void ReportCommands::print() {
    QPrinter printer(QPrinter::HighResolution);
    switch (choosePrinter(printer, QStringLiteral("计算书"), &m_window)) {
    case PrintChoice::Cancelled:
        return;
    case PrintChoice::NoPrinter:
        m_desktop.showMessage({noPrinterMessage(QStringLiteral("计算书")).toStdString(),
                               std::string(windows::applicationTitle), forms::MessageIcon::Exclamation});
        return;
    case PrintChoice::Print:
        break;
    }
    if (paintReport(printer, QString::fromStdString(report()), reportFont()) == 0)
        m_desktop.showMessage({"计算书未能打印：打印机没有接受这份文件。\n请检查打印机是否已连接并处于就绪状"
                               "态，然后再打印一次。",
                               std::string(windows::applicationTitle), forms::MessageIcon::Exclamation});
}

void ReportCommands::save() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QString filter = pdfFilter;
    const QString chosen = QFileDialog::getSaveFileName(
        &m_window, QStringLiteral("另存为"), QDir(folder).filePath(QStringLiteral("计算书.pdf")),
        pdfFilter + QStringLiteral(";;") + textFilter, &filter);
    if (chosen.isEmpty())
        return; // cancelled
    const QString path = reportPath(chosen, filter == textFilter);
    const SavedReport saved = saveReport(path, report(), reportFont());
    if (saved.failure)
        m_desktop.showMessage({reportNotSaved("计算书", saved), std::string(windows::applicationTitle),
                               forms::MessageIcon::Exclamation});
}

} // namespace varnel::ui
