#pragma once
// Window placement routines shared by the game window, the chooser and the
// order form.

class QWidget;
class QMainWindow;

// Centres a top-level window on the screen.
void gsCenterForm(QWidget* form);

// Sizes a window so that its client area (below any menu bar) is exactly
// width x height pixels.
void gsSizeFormToClient(QMainWindow* form, int width, int height);

// Moves inner within outer. Codes: 0 offsets, 1 right, 2 bottom, 3 right and
// bottom, 4 centre across, 5 centre across and bottom, 6 centre down, 7 right
// and centre down. Offsets are counted from the edge the code names.
void gsPlaceObjWithinObj(QWidget* outer, QWidget* inner, int aintPosition, int aintOffsetX, int aintOffsetY);
