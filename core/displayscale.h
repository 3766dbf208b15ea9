#pragma once
// The desktop's scale, always a whole number of device pixels per board
// pixel: the board is drawn from pictures of that size or in whole-pixel
// blocks, never smoothed.

#include <QSize>
#include <functional>

class QByteArray;

// A device pixel ratio as the board's whole-number scale: halves round up
// (1.25 gives 1, 1.5 and 1.75 give 2); nothing usable gives 1.
int gintfWholeScale(double adblRatio);

// Rounds the scale factors a user may set for the toolkit
// (QT_SCALE_FACTOR, QT_SCREEN_SCALE_FACTORS) to whole numbers and asks the
// toolkit to round the desktop's own factor the same way. Call before the
// application object exists.
void gsUseWholeScale();

// One QT_SCREEN_SCALE_FACTORS list ("2;1.5" or "DP-1=1.5;HDMI-1=1") with
// every factor rounded; entries without a usable factor become 1.
QByteArray gstrfWholeScreenFactors(const QByteArray& astrFactors);

// The whole scale the program's windows are drawn at on a screen: the
// desktop's own, lowered while the largest window would not fit the screen's
// available area; never below 1. available and frame (the window manager's
// border and title bar round a window) are in device pixels; largestWindow
// answers the largest client area, menu included, in board pixels on a
// screen that many board pixels wide (a game may size its board by it).
int gintfFittingScale(int aintDesktopScale, const QSize& available, const QSize& frame,
                      const std::function<QSize(int aintScreenWidth)>& largestWindow);
