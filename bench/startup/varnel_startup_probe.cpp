// Varnel's start-up exactly as main() does it, ending as soon as the main window is shown and the event
// queue has run dry.
#include "ui/program.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    varnel::ui::setUpApplication();
    varnel::ui::Program program;
    program.start();
    QTimer::singleShot(0, &app, &QApplication::quit);
    return app.exec();
}
