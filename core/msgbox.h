#pragma once
// Message boxes go through here so that tests can record them instead of
// blocking on a modal dialog.

#include <QString>
#include <functional>

enum class MsgIcon { None, Exclamation, Information, Critical };

struct MessageBoxCall {
    QString text;
    QString title;
    MsgIcon icon;
};

// A message box's icon drawn for a screen of that device pixel ratio, every
// device pixel its own: sharp at any scale. Null for MsgIcon::None.
class QPixmap;
QPixmap gpixfMessageIcon(MsgIcon icon, qreal devicePixelRatio);

// Shows a modal message box with an OK button.
void gMsgBox(const QString& text, const QString& title, MsgIcon icon = MsgIcon::None);

// With a hook set, message boxes are handed to it and never shown.
using MessageBoxHook = std::function<void(const MessageBoxCall&)>;
void gsSetMessageBoxHook(MessageBoxHook hook);
