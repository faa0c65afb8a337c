#include "ui/projectwindowcommands.h"

#include "projects/workbook.h"
#include "ui/formwindow.h"
#include "ui/printing.h"
#include "ui/program.h"
#include "ui/projectreportpages.h"
#include "windows/projectwindow.h"
#include "windows/windows.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrinter>
#include <QStandardPaths>

namespace varnel::ui {

namespace pw = windows::projectwindow;

namespace {

const QString pdfFilter = QStringLiteral("PDF 文件 (*.pdf)");
const QString textFilter = QStringLiteral("文本文件 (*.txt)");
const QString workbookFilter = QStringLiteral("Excel 工作簿 (*.xlsx)");

} // namespace

QString workbookPath(const QString& chosen) {
    const QString extension = QString::fromUtf8(projects::workbookExtension);
    return chosen.endsWith(extension, Qt::CaseInsensitive) ? chosen : chosen + extension;
}

ProjectWindowCommands::ProjectWindowCommands(FormWindow& window, Program& program)
    : QObject(&window), m_window(window), m_program(program) {
    forms::Form& model = m_window.model();
    model.onClick(pw::printReport, [this] { print(); });
    model.onClick(pw::saveReport, [this] { saveReport(); });
    model.onClick(pw::exportWorkbook, [this] { exportWorkbook(); });
}

projects::ProjectReport ProjectWindowCommands::report() const {
    const session::ProjectDocument& d = m_program.project();
    return projects::buildProjectReport(d.quote, d.figures, d.totals());
}

QString ProjectWindowCommands::suggestedPath(const QString& suffix, const QString& extension) const {
    QString name = QString::fromStdString(session::displayName(m_program.project()));
    // Characters a file name cannot hold on one system or another.
    for (QChar& c : name)
        if (QStringLiteral("\\/:*?\"<>|").contains(c) || c.unicode() < 0x20)
            c = QLatin1Char('_');
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(folder).filePath(name + suffix + extension);
}

void ProjectWindowCommands::tell(const QString& text) {
    m_program.showMessage(
        {text.toStdString(), std::string(windows::applicationTitle), forms::MessageIcon::Exclamation});
}

void ProjectWindowCommands::print() {
    QPrinter printer(QPrinter::HighResolution);
    switch (choosePrinter(printer, QStringLiteral("项目计算书"), &m_window)) {
    case PrintChoice::Cancelled:
        return;
    case PrintChoice::NoPrinter:
        tell(noPrinterMessage(QStringLiteral("项目计算书")));
        return;
    case PrintChoice::Print:
        break;
    }
    if (paintProjectReport(printer, report()) == 0)
        tell(QStringLiteral(
            "项目计算书未能打印：打印机没有接受这份文件。\n请检查打印机是否已连接并处于就绪状态，"
            "然后再打印一次。"));
}

void ProjectWindowCommands::saveReport() {
    QString filter = pdfFilter;
    const QString chosen =
        QFileDialog::getSaveFileName(&m_window, QStringLiteral("项目计算书另存为"),
                                     suggestedPath(QStringLiteral(" 计算书"), QStringLiteral(".pdf")),
                                     pdfFilter + QStringLiteral(";;") + textFilter, &filter);
    if (chosen.isEmpty())
        return; // cancelled
    const QString path = reportPath(chosen, filter == textFilter);
    const SavedReport saved = saveProjectReport(path, report());
    if (saved.failure)
        tell(QString::fromStdString(reportNotSaved("项目计算书", saved)));
}

void ProjectWindowCommands::exportWorkbook() {
    const QString chosen = QFileDialog::getSaveFileName(
        &m_window, QStringLiteral("导出 Excel"), suggestedPath({}, QStringLiteral(".xlsx")), workbookFilter);
    if (chosen.isEmpty())
        return; // cancelled
    const QString path = workbookPath(chosen);
    const session::ProjectDocument& d = m_program.project();
    const std::optional<projects::FileFailure> failure =
        projects::writeWorkbook(path.toStdString(), d.quote, d.figures, d.totals());
    if (failure)
        tell(QString::fromStdString(workbookNotSaved(path.toStdString(), *failure)));
}

} // namespace varnel::ui
