#pragma once
// The program's icon, compiled in at every size it is drawn at. Every window
// takes it from the application, so none sets its own.

#include <QIcon>

QIcon gicofProgramIcon();
// Makes it the icon of every window, present and future.
void gsUseProgramIcon();
