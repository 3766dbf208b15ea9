// The least a Qt Widgets program does to show a window: the start-up and
// memory floor that bench_start measures the program against. A fixed-size
// window of the chooser's size with a menu bar, nothing drawn in it.

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("bench_bare"));
    window.menuBar()->addAction(QStringLiteral("&Order"));
    window.setFixedSize(457, 340);
    window.show();
    return app.exec();
}
