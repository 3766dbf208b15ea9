#pragma once

#include <QImage>

// The green felt of the game table, 800 x 600, seamless when tiled.
QImage drawFelt();
