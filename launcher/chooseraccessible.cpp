#include "launcher/chooseraccessible.h"

#include "core/gamechoices.h"
#include "launcher/frmMenu.h"
#include "window/announcer.h"

#include <QAccessibleWidget>
#include <QEvent>
#include <QFrame>
#include <QPointer>
#include <vector>

namespace {
class ChoiceItem : public QAccessibleInterface {
public:
    ChoiceItem(frmMenu* menu, int choice) : mMenu(menu), mChoice(choice) {}

    bool isValid() const override { return !mMenu.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return mMenu ? mMenu->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override
    {
        return mMenu ? QAccessible::queryAccessibleInterface(mMenu->picture()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return {};
        if (const GameChoice* game = gfGameChoice(mChoice))
            return QStringLiteral("%1. %2").arg(mChoice).arg(QString::fromUtf8(game->name));
        return QStringLiteral("Exit");
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        if (!mMenu)
            return {};
        const QRect r = mMenu->outline(mChoice)->geometry();
        return QRect(mMenu->picture()->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.focusable = true;
        s.selectable = true;
        s.focused = mMenu && mMenu->currentChoice() == mChoice && mMenu->isActiveWindow();
        s.selected = s.focused;
        return s;
    }

private:
    QPointer<frmMenu> mMenu;
    int mChoice;
};

class ChooserAccessible : public QAccessibleWidget {
public:
    ChooserAccessible(QWidget* picture, frmMenu* menu) : QAccessibleWidget(picture, QAccessible::List), mMenu(menu)
    {
        for (int i = 1; i <= frmMenu::kChoiceCount; ++i) {
            auto* item = new ChoiceItem(menu, i);
            QAccessible::registerAccessibleInterface(item);
            mItems.push_back(item);
        }
    }
    ~ChooserAccessible() override
    {
        for (ChoiceItem* item : mItems)
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(item));
    }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? QStringLiteral("Games") : QAccessibleWidget::text(t);
    }
    int childCount() const override { return static_cast<int>(mItems.size()); }
    QAccessibleInterface* child(int index) const override
    {
        return index >= 0 && index < childCount() ? mItems[index] : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (size_t i = 0; i < mItems.size(); ++i)
            if (mItems[i] == child)
                return static_cast<int>(i);
        return -1;
    }
    QAccessibleInterface* focusChild() const override
    {
        return mMenu && mMenu->currentChoice() > 0 ? child(mMenu->currentChoice() - 1) : nullptr;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (ChoiceItem* item : mItems)
            if (item->rect().contains(x, y))
                return item;
        return nullptr;
    }

private:
    QPointer<frmMenu> mMenu;
    std::vector<ChoiceItem*> mItems;
};

// An outline shown is the focus moving to its entry.
class ChooserSpeech : public QObject {
public:
    explicit ChooserSpeech(frmMenu* menu) : QObject(menu), mMenu(menu)
    {
        for (int i = 1; i <= frmMenu::kChoiceCount; ++i)
            menu->outline(i)->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && gblnfScreenReaderOn() && mMenu->isActiveWindow()) {
            for (int i = 1; i <= frmMenu::kChoiceCount; ++i)
                if (mMenu->outline(i) == watched)
                    if (QAccessibleInterface* list = QAccessible::queryAccessibleInterface(mMenu->picture())) {
                        QAccessibleEvent focus(list->child(i - 1), QAccessible::Focus);
                        QAccessible::updateAccessibility(&focus);
                    }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    frmMenu* mMenu;
};
}

QAccessibleInterface* gfChooserAccessible(QObject* object)
{
    auto* picture = qobject_cast<QFrame*>(object);
    if (!picture || picture->objectName() != QLatin1String("Picture1"))
        return nullptr;
    auto* menu = qobject_cast<frmMenu*>(picture->window());
    return menu ? new ChooserAccessible(picture, menu) : nullptr;
}

void gsSpeakChooser(frmMenu* menu) { new ChooserSpeech(menu); }
