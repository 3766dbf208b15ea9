#pragma once
// The chooser as a screen reader sees it: its picture is a list of eleven
// entries named as the picture shows them ("1. Baker's Dozen" ... "Exit"),
// and the outlined entry is the focused one, whether the arrows or the
// pointer put the outline there.

class QAccessibleInterface;
class QObject;
class frmMenu;

// The picture's interface, or nullptr when `object` is not a chooser's picture.
QAccessibleInterface* gfChooserAccessible(QObject* object);

// Tells a screen reader each time the outline moves to another entry.
void gsSpeakChooser(frmMenu* menu);
