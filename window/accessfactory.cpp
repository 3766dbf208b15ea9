#include "window/accessfactory.h"

#include "launcher/chooseraccessible.h"
#include "window/announcer.h"
#include "window/boardaccessible.h"
#include "window/boardview.h"

#include <QAccessibleWidget>

namespace {
// The notification whose name is the sentence being said.
class MessageAccessible : public QAccessibleWidget {
public:
    explicit MessageAccessible(AnnouncerMessage* message) : QAccessibleWidget(message, QAccessible::Notification) {}
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<AnnouncerMessage*>(object())->text;
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* interfaceFor(const QString& key, QObject* object)
{
    if (key == QLatin1String("AnnouncerMessage"))
        return new MessageAccessible(static_cast<AnnouncerMessage*>(object));
    if (key == QLatin1String("Announcer"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::StatusBar);
    if (key == QLatin1String("QWidget"))
        if (auto* board = dynamic_cast<BoardView*>(object))
            return new BoardAccessible(board);
    if (key == QLatin1String("QFrame"))
        return gfChooserAccessible(object);
    return nullptr;
}
}

void gsInstallAccessibility()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(interfaceFor);
}
