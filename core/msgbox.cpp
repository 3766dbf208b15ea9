#include "core/msgbox.h"

#include <QApplication>
#include <QMessageBox>

namespace {
MessageBoxHook& hook()
{
    static MessageBoxHook h;
    return h;
}
}

void gsSetMessageBoxHook(MessageBoxHook h) { hook() = std::move(h); }

void gMsgBox(const QString& text, const QString& title, MsgIcon icon)
{
    if (hook()) {
        hook()({text, title, icon});
        return;
    }
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title);
    box.setText(text);
    switch (icon) {
    case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}
