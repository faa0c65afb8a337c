// The least a Qt program can do: one window with one Chinese label, ending once it is shown and idle.
#include <QApplication>
#include <QLabel>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("工程设计收费计算"));
    label.show();
    QTimer::singleShot(0, &app, &QApplication::quit);
    return app.exec();
}
