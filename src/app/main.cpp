// Varnel: engineering design fees under 《工程勘察设计收费标准》(2002年修订本).
#include "ui/program.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false); // the program decides when it ends
    varnel::ui::setUpApplication();
    varnel::ui::Program program;
    QObject::connect(&program, &varnel::ui::Program::finished, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    program.start();
    return app.exec();
}
