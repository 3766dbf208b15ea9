#include "core/displayscale.h"
#include "core/programicon.h"
#include "launcher/frmMenu.h"
#include "window/modScreen.h"

#include <QApplication>
#include <QProxyStyle>
#include <QStyleFactory>

#include <optional>

namespace {
// Plain text buttons in message boxes, as on the classic desktop.
class QuilletStyle : public QProxyStyle {
public:
    QuilletStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};
}

int main(int argc, char* argv[])
{
    // The desktop's scale, in whole numbers only: the board is drawn from
    // pictures of that size, never smoothed.
    gsUseWholeScale();
    // On X11 a drag repaints two card-sized rectangles per pointer move. Sent
    // through shared memory, each repaint over the last one first waits for
    // the server to have read it (a round trip, and two thread wake-ups on
    // each side); sent over the socket it costs one copy of a few kilobytes
    // and no wait, which halves the drag's cost. The board is small enough
    // that a full repaint that way is still well under a millisecond.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    // One name everywhere: the desktop entry's is the Wayland app id, and the
    // X11 window class ("quillet", whatever the executable is called) is the
    // entry's StartupWMClass, so docks match the windows to the entry.
    QApplication::setApplicationName(QStringLiteral("quillet"));
    QApplication::setDesktopFileName(QStringLiteral("org.quillet.Quillet"));
    std::optional<QApplication> app(std::in_place, argc, argv);
    QApplication::setStyle(new QuilletStyle);
    // Every window must fit the screen, so the scale is settled before any
    // exists: when the desktop's scale would make the largest window larger
    // than the screen, the toolkit starts again at the whole scale that fits.
    if (gblnfLowerScaleToFit()) {
        app.reset();
        app.emplace(argc, argv);
        QApplication::setStyle(new QuilletStyle);
    }
    gsUseProgramIcon();
    // The chooser decides when the program ends, not the last window.
    QApplication::setQuitOnLastWindowClosed(false);

    auto* chooser = new frmMenu;
    chooser->setAttribute(Qt::WA_DeleteOnClose);
    chooser->show();
    return QApplication::exec();
}
