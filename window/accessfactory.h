#pragma once
// The accessible interfaces of the widgets that draw parts of their own (the
// board's cards, the chooser's entries) and of the announcer. Installed once,
// before any of those widgets exists: Qt keeps the first interface it made
// for a widget, even one made while no screen reader listens.

void gsInstallAccessibility();
