#pragma once
// Thin layer over the few platform services the program uses, each
// replaceable in tests.

#include <QMargins>
#include <QRect>
#include <QString>

class QWidget;

// The folder the program runs from, with no trailing separator. Main.bmp and
// the help files are read from here.
QString gstrfProgramFolder();
void gsSetProgramFolder(const QString& folder);  // tests; empty restores

// Width of the primary screen in pixels.
int gintfScreenWidth();
int gintfScreenHeight();
void gsSetScreenSize(int width, int height);  // tests; 0 restores

// The part of the screen windows may use (panels and docks left out), in
// pixels, on the screen that holds near (the primary one without it). A
// screen that reports nothing usable gives 1024 x 768; with a test's screen
// size set, all of that size.
QRect grectfAvailableArea(const QWidget* near = nullptr);

// The window manager's frame round a window (title bar and borders), in the
// program's pixels: as last measured round a shown window, or a usual one
// until a window has been framed.
QMargins gmrgfFrameMargins();
void gsSetFrameMargins(const QMargins& frame);  // as measured

// False where the compositor alone places windows (Wayland): a program's
// own positions and activation requests are not honoured there.
bool gblnfProgramPlacesWindows();

// Hides (false) or shows (true) the pointer; calls nest like a counter and
// must come in pairs. Answers the display count: below 0 means hidden.
int gintfShowCursor(bool show);
int gintfCursorDisplayCount();
