// The main window alone: its controls built from its definition and shown, with the program's appearance
// but without the program (no settings, no project, no rules bound). What Varnel's start-up costs beyond
// this is the program's own; what this costs beyond a bare window is the window's controls in Qt.
#include "ui/formwindow.h"
#include "ui/program.h"
#include "windows/windows.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    varnel::ui::setUpApplication();
    varnel::ui::FormWindow window(varnel::windows::definition(varnel::windows::main));
    window.show();
    QTimer::singleShot(0, &app, &QApplication::quit);
    return app.exec();
}
