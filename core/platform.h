#pragma once
// Thin layer over the few platform services the program uses, each
// replaceable in tests.

#include <QString>

// The folder the program runs from, with no trailing separator. Main.bmp and
// the help files are read from here.
QString gstrfProgramFolder();
void gsSetProgramFolder(const QString& folder);  // tests; empty restores

// Width of the primary screen in pixels.
int gintfScreenWidth();
int gintfScreenHeight();
void gsSetScreenSize(int width, int height);  // tests; 0 restores

// Hides (false) or shows (true) the pointer; calls nest like a counter and
// must come in pairs. Answers the display count: below 0 means hidden.
int gintfShowCursor(bool show);
int gintfCursorDisplayCount();
