#include "core/programicon.h"

#include "core/displayscale.h"

#include <QApplication>
#include <QScreen>

namespace {
// The sizes tools/gen_icon draws; each is drawn for its size, so the window
// manager is handed the real thing rather than a scaled copy, at 1x and 2x.
const int kIconSizes[] = {16, 24, 32, 48, 64, 96, 128, 256, 512};
// What title bars, task lists and window switchers show at 1x.
constexpr int kLargestWindowIcon = 64;

QIcon iconUpTo(int largest)
{
    QIcon icon;
    for (int size : kIconSizes)
        if (size <= largest)
            icon.addFile(QStringLiteral(":/icons/quillet-%1.png").arg(size), QSize(size, size));
    return icon;
}
}

QIcon gicofProgramIcon() { return iconUpTo(kIconSizes[std::size(kIconSizes) - 1]); }

QIcon gicofWindowIcon(int aintScale) { return iconUpTo(kLargestWindowIcon * std::max(1, aintScale)); }

void gsUseProgramIcon()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    QApplication::setWindowIcon(gicofWindowIcon(gintfWholeScale(screen ? screen->devicePixelRatio() : 1.0)));
}
