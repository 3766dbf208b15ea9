#pragma once
// The program's icon, compiled in at every size it is drawn at. Every window
// takes it from the application, so none sets its own.

#include <QIcon>

// Every size there is.
QIcon gicofProgramIcon();
// The sizes a window hands the window manager on a screen of that whole
// scale: up to 64 pixels at 1x, twice that at 2x. The larger pictures are
// for the desktop's menus and docks, which take them from the installed
// theme icons; sent with each window they only slow its start.
QIcon gicofWindowIcon(int aintScale);
// Makes it the icon of every window, present and future, at the primary
// screen's scale.
void gsUseProgramIcon();
