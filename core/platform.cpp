#include "core/platform.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QCursor>
#include <QScreen>

namespace {
QString programFolderOverride;
int screenWidthOverride = 0;
int screenHeightOverride = 0;
int cursorCount = 0;
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
