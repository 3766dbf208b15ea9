#include "core/programicon.h"

#include <QApplication>

namespace {
// The sizes tools/gen_icon draws; each is drawn for its size, so the window
// manager is handed the real thing rather than a scaled copy, at 1x and 2x.
const int kIconSizes[] = {16, 24, 32, 48, 64, 96, 128, 256, 512};
}

QIcon gicofProgramIcon()
{
    QIcon icon;
    for (int size : kIconSizes)
        icon.addFile(QStringLiteral(":/icons/quillet-%1.png").arg(size), QSize(size, size));
    return icon;
}

void gsUseProgramIcon() { QApplication::setWindowIcon(gicofProgramIcon()); }
