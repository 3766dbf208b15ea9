#pragma once
// Window placement routines shared by the game window, the chooser and the
// order form, and the scale the windows are drawn at.

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;
class QMainWindow;

// Centres a top-level window, frame and all, on the available area of its
// screen (panels left out). A window larger than the area keeps its title
// bar and menu on the screen. Where the compositor places windows itself
// (Wayland) it is left to do so.
void gsCenterForm(QWidget* form);

// Where the frame's top-left corner goes to centre a client area of that
// size inside a frame of those margins on the area.
QPoint gptfCentredFrame(const QSize& client, const QMargins& frame, const QRect& area);

// Sizes a window so that its client area (below any menu bar) is exactly
// width x height pixels.
void gsSizeFormToClient(QMainWindow* form, int width, int height);

// Moves inner within outer. Codes: 0 offsets, 1 right, 2 bottom, 3 right and
// bottom, 4 centre across, 5 centre across and bottom, 6 centre down, 7 right
// and centre down. Offsets are counted from the edge the code names.
void gsPlaceObjWithinObj(QWidget* outer, QWidget* inner, int aintPosition, int aintOffsetX, int aintOffsetY);

// The largest window the program opens, menu bar included and frame left
// out, on a screen that many pixels wide.
QSize gszfLargestWindow(int aintScreenWidth);

// The whole scale for a screen whose available area is that many device
// pixels at the desktop's device pixel ratio: the desktop's, lowered until
// the largest window fits with its frame.
int gintfScaleForScreen(double adblDesktopRatio, const QSize& available);

// Run once the application object exists and before any window does: when
// the desktop's scale would make the largest window too large for the
// primary screen, asks the toolkit for the scale that fits and answers true.
// The application object must then be made afresh for the scale to apply.
bool gblnfLowerScaleToFit();
