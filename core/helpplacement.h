#pragma once
// Where the help viewer opens: beside the game window when there is room,
// otherwise where it hides as little of the game window as it can.

#include <QRect>

QRect grectfHelpViewerPlace(const QSize& viewer, const QRect& owner, const QRect& screen);
