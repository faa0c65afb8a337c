#include "ui/program.h"

#include "projects/files.h"
#include "session/projectopening.h"
#include "ui/centring.h"
#include "ui/printing.h"
#include "ui/projectreportpages.h"
#include "ui/reportpages.h"
#include "windows/secondarywindows.h"
#include "windows/windows.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>

namespace varnel::ui {

namespace {
QString qs(const std::string& s) {
    return QString::fromStdString(s);
}
} // namespace

namespace {

QMessageBox::Icon iconOf(forms::MessageIcon icon) {
    switch (icon) {
    case forms::MessageIcon::Stop:
        return QMessageBox::Critical;
    case forms::MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case forms::MessageIcon::Question:
        return QMessageBox::Question;
    default:
        return QMessageBox::NoIcon;
    }
}

std::unique_ptr<QSettings> settingsIn(const QString& file) {
    if (!file.isEmpty())
        return std::make_unique<QSettings>(file, QSettings::IniFormat);
    const QString portable =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("varnel.ini"));
    if (QFileInfo::exists(portable))
        return std::make_unique<QSettings>(portable, QSettings::IniFormat);
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Varnel"),
                                       QStringLiteral("Varnel"));
}

const QString recentKey = QStringLiteral("recentProjects");

} // namespace

Program::Program(const QString& settingsFile) : m_settings(settingsIn(settingsFile)) {}

Program::~Program() {
    delete m_guide.data();
    for (auto& [name, window] : m_windows)
        delete window.data();
}

void Program::start(const std::optional<std::string>& projectFile) {
    m_session.start(projectFile);
}

FormWindow* Program::window(const std::string& form) const {
    auto it = m_windows.find(form);
    return it == m_windows.end() ? nullptr : it->second.data();
}

FormWindow* Program::open(const std::string& form) {
    auto* w = new FormWindow(windows::definition(form));
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->setWindowIcon(QApplication::windowIcon());
    m_windows[form] = w;
    connect(w, &FormWindow::closed, this, [this, form] { closed(form); });
    // Closing the last window ends the program: an unsaved project is asked about first.
    w->setCloseGuard([this, form] { return !isLastWindow(form) || m_session.mayEnd(); });
    m_session.bind(w->model());
    connect(w, &FormWindow::helpRequested, this, [this, form] { m_session.showGuideFor(form); });
    if (w->model().definition().placement == forms::Placement::Centred)
        centreOnScreen(*w);
    w->show();
    w->focusFirstControl();
    return w;
}

forms::Form& Program::showWindow(std::string_view name) {
    const std::string form(name);
    FormWindow* w = window(form);
    if (!w)
        return open(form)->model();
    w->showNormal();
    w->raise();
    w->activateWindow();
    return w->model();
}

void Program::showMessage(const forms::Message& message) {
    QMessageBox box(iconOf(message.icon), qs(message.title), qs(message.text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

std::size_t Program::ask(const forms::Question& question) {
    QMessageBox box(iconOf(question.message.icon), qs(question.message.title), qs(question.message.text),
                    QMessageBox::NoButton, QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    std::vector<QPushButton*> buttons;
    for (const std::string& caption : question.buttons)
        buttons.push_back(box.addButton(qs(caption), QMessageBox::AcceptRole));
    box.setDefaultButton(buttons.at(question.defaultButton));
    box.setEscapeButton(buttons.at(question.escapeButton));
    box.exec();
    for (std::size_t i = 0; i < buttons.size(); ++i)
        if (box.clickedButton() == buttons[i])
            return i;
    return question.escapeButton;
}

std::optional<std::string> Program::askText(const forms::TextRequest& request) {
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(qs(request.title));
    dialog.setLabelText(qs(request.label));
    dialog.setTextValue(qs(request.suggested));
    dialog.setOkButtonText(QStringLiteral("确定"));
    dialog.setCancelButtonText(QStringLiteral("取消"));
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.resize(dialog.fontMetrics().horizontalAdvance(QStringLiteral("中")) * 30,
                  dialog.sizeHint().height());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue().toStdString();
}

std::optional<forms::ChosenFile> Program::chooseFile(const forms::FileRequest& request) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString suggested =
        request.suggested.empty() ? folder : QDir(folder).filePath(qs(request.suggested));
    const QString filter = qs(request.filter);
    QString selected = filter.section(QStringLiteral(";;"), 0, 0);
    const QString chosen = request.purpose == forms::FileRequest::Purpose::Open
                               ? QFileDialog::getOpenFileName(QApplication::activeWindow(), qs(request.title),
                                                              suggested, filter, &selected)
                               : QFileDialog::getSaveFileName(QApplication::activeWindow(), qs(request.title),
                                                              suggested, filter, &selected);
    if (chosen.isEmpty())
        return std::nullopt;
    const auto index = filter.split(QStringLiteral(";;")).indexOf(selected);
    return forms::ChosenFile{chosen.toStdString(), index < 0 ? 0 : static_cast<std::size_t>(index)};
}

QFont Program::reportFont() const {
    FormWindow* w = window(std::string(windows::report));
    const QWidget* text = w ? w->control(std::string(windows::reportwindow::text)) : nullptr;
    return text ? text->font() : w ? w->font() : QApplication::font();
}

forms::Printing Program::print(const forms::Paper& paper) {
    QPrinter printer(QPrinter::HighResolution);
    const QString document = paper.project ? QStringLiteral("项目计算书") : QStringLiteral("计算书");
    switch (choosePrinter(printer, document, QApplication::activeWindow())) {
    case PrintChoice::Cancelled:
        return forms::Printing::Cancelled;
    case PrintChoice::NoPrinter:
        return forms::Printing::NoPrinter;
    case PrintChoice::Print:
        break;
    }
    const int pages = paper.project ? paintProjectReport(printer, *paper.project)
                                    : paintReport(printer, qs(paper.text), reportFont());
    return pages == 0 ? forms::Printing::Refused : forms::Printing::Printed;
}

std::optional<std::string> Program::pdf(const forms::Paper& paper) {
    return paper.project ? projectReportPdf(*paper.project) : reportPdf(qs(paper.text), reportFont());
}

void Program::showGuide(std::string_view part) {
    if (!m_guide) {
        m_guide = new GuideWindow;
        m_guide->setAttribute(Qt::WA_DeleteOnClose);
        m_guide->setWindowIcon(QApplication::windowIcon());
    }
    m_guide->showPart(part);
}

forms::Form* Program::openWindow(std::string_view form) {
    FormWindow* w = window(std::string(form));
    return w ? &w->model() : nullptr;
}

bool Program::isLastWindow(const std::string& form) const {
    for (const auto& [name, w] : m_windows)
        if (name != form && w)
            return false;
    return true;
}

forms::FileContents Program::readFile(const std::string& path, std::uintmax_t limit) {
    return session::fileContents(projects::readRegularFile(path, limit));
}

std::optional<forms::WriteFailure> Program::writeFile(const std::string& path, std::string_view bytes) {
    if (std::optional<projects::FileFailure> failure = projects::writeWholeFile(path, bytes))
        return forms::WriteFailure{std::move(failure->what), std::move(failure->remedy)};
    return std::nullopt;
}

std::vector<std::string> Program::recentProjects() {
    std::vector<std::string> paths;
    for (const QString& path : m_settings->value(recentKey).toStringList())
        paths.push_back(path.toStdString());
    return paths;
}

void Program::setRecentProjects(const std::vector<std::string>& paths) {
    QStringList list;
    for (const std::string& path : paths)
        list << qs(path);
    m_settings->setValue(recentKey, list);
    m_settings->sync();
}

std::string Program::today() {
    return QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")).toStdString();
}

void Program::endProgram() {
    // The handler that asked for the end is still running inside a window: windows go when it returns.
    for (auto& [name, w] : m_windows) {
        if (w) {
            w->hide();
            w->deleteLater();
        }
    }
    m_windows.clear();
    if (m_guide) {
        m_guide->hide();
        m_guide->deleteLater();
    }
    if (!m_ended) {
        m_ended = true;
        Q_EMIT finished();
    }
}

void Program::closed(const std::string& form) {
    m_windows.erase(form);
    if (m_windows.empty() && m_guide) // the guide goes with the last window
        m_guide->close();
    if (m_windows.empty() && !m_ended) {
        m_ended = true;
        Q_EMIT finished();
    }
}

} // namespace varnel::ui
