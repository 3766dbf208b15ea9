#include "window/announcer.h"

#include "window/accessfactory.h"

#include <QAccessible>

namespace {
bool gblnPretend = false;
}

bool gblnfScreenReaderOn() { return gblnPretend || QAccessible::isActive(); }
void gsPretendScreenReader(bool ablnOn) { gblnPretend = ablnOn; }

Announcer::Announcer(QWidget* parent) : QWidget(parent)
{
    gsInstallAccessibility();
    setObjectName(QStringLiteral("announcer"));
    mMessage = new AnnouncerMessage(this);
    mMessage->setObjectName(QStringLiteral("announcement"));
    hide();
}

void Announcer::say(const QString& text)
{
    if (text.isEmpty())
        return;
    mLast = text;
    emit said(text);
    if (!gblnfScreenReaderOn())
        return;
    mMessage->text = text;
    // The name first, or a client keeps the empty one it read before.
    QAccessibleEvent renamed(mMessage, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
    QAccessibleEvent shown(mMessage, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}
