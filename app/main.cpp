#include "launcher/frmMenu.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char* argv[])
{
    // The board is drawn pixel for pixel: never let the platform scale it.
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // The chooser decides when the program ends, not the last window.
    QApplication::setQuitOnLastWindowClosed(false);

    auto* chooser = new frmMenu;
    chooser->setAttribute(Qt::WA_DeleteOnClose);
    chooser->show();
    return app.exec();
}
