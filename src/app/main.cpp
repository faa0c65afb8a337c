// Varnel: engineering design fees under 《工程勘察设计收费标准》(2002年修订本).
#include "ui/program.h"

#include <QApplication>

#include <optional>
#include <string>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false); // the program decides when it ends
    varnel::ui::setUpApplication();
    varnel::ui::Program program;
    QObject::connect(&program, &varnel::ui::Program::finished, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    // `varnel FILE` opens a project file, as a double-click on one does.
    const QStringList arguments = QApplication::arguments();
    std::optional<std::string> projectFile;
    if (arguments.size() > 1)
        projectFile = arguments.at(1).toStdString();
    program.start(projectFile);
    return app.exec();
}
