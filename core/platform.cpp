#include "core/platform.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QCursor>
#include <QScreen>
#include <QWidget>

namespace {
QString programFolderOverride;
int screenWidthOverride = 0;
int screenHeightOverride = 0;
int cursorCount = 0;
// A usual title bar and border, for windows placed before the window manager
// has framed any (generous: a window placed a little high is still whole).
constexpr QMargins kUsualFrame(6, 38, 6, 6);
QMargins measuredFrame;
bool frameMeasured = false;
}

QString gstrfProgramFolder()
{
    if (!programFolderOverride.isEmpty())
        return programFolderOverride;
    return QCoreApplication::applicationDirPath();
}

void gsSetProgramFolder(const QString& folder) { programFolderOverride = folder; }

int gintfScreenWidth()
{
    if (screenWidthOverride > 0)
        return screenWidthOverride;
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() : 1024;
}

int gintfScreenHeight()
{
    if (screenHeightOverride > 0)
        return screenHeightOverride;
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().height() : 768;
}

QRect grectfAvailableArea(const QWidget* near)
{
    if (screenWidthOverride > 0 && screenHeightOverride > 0)
        return QRect(0, 0, screenWidthOverride, screenHeightOverride);
    const QScreen* screen = near ? near->screen() : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    QRect area = screen ? screen->availableGeometry() : QRect();
    // A screen that says 0 x 0 (or less) still gets its windows somewhere.
    if (area.width() <= 0 || area.height() <= 0)
        area = QRect(0, 0, 1024, 768);
    return area;
}

QMargins gmrgfFrameMargins() { return frameMeasured ? measuredFrame : kUsualFrame; }

void gsSetFrameMargins(const QMargins& frame)
{
    measuredFrame = frame;
    frameMeasured = true;
}

bool gblnfProgramPlacesWindows() { return !QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

void gsSetScreenSize(int width, int height)
{
    screenWidthOverride = width;
    screenHeightOverride = height;
}

int gintfShowCursor(bool show)
{
    if (show) {
        ++cursorCount;
        if (cursorCount == 0 && QGuiApplication::overrideCursor())
            QGuiApplication::restoreOverrideCursor();
    } else {
        --cursorCount;
        if (cursorCount == -1)
            QGuiApplication::setOverrideCursor(QCursor(Qt::BlankCursor));
    }
    return cursorCount;
}

int gintfCursorDisplayCount() { return cursorCount; }
