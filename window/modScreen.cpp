#include "window/modScreen.h"

#include "core/displayscale.h"
#include "core/errors.h"
#include "core/platform.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {
// The largest boards: Baker's Dozen's width and Scorpion's height, or
// Scorpion's own 800 x 600 on a screen at most 800 pixels wide.
constexpr QSize kLargestBoard(782, 560);
constexpr QSize kLargestBoardNarrowScreen(800, 600);
constexpr int kNarrowScreen = 800;


QMargins frameOf(const QWidget* form)
{
    const QRect inner = form->geometry();
    const QRect outer = form->frameGeometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

const QString kWatcherName = QStringLiteral("frameWatcher");

// Watches a window placed before its frame was known: once the window manager
// has framed it, the frame is remembered for later windows and the window
// centred again by its real frame.
class FrameWatcher : public QObject {
public:
    FrameWatcher(QWidget* form, const QMargins& assumed) : QObject(form), mForm(form), mAssumed(assumed)
    {
        setObjectName(kWatcherName);
        form->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == mForm && (event->type() == QEvent::Show || event->type() == QEvent::Move || event->type() == QEvent::Resize) &&
            mForm->isVisible()) {
            const QMargins frame = frameOf(mForm);
            if (!frame.isNull()) {
                gsSetFrameMargins(frame);
                if (frame != mAssumed)
                    mForm->move(gptfCentredFrame(mForm->size(), frame, grectfAvailableArea(mForm)));
                deleteLater();
                mForm->removeEventFilter(this);
            }
        }
        return false;
    }

private:
    QWidget* mForm;
    QMargins mAssumed;
};

int menuBarHeight()
{
    static const int height = [] {
        QMenuBar bar;
        bar.addAction(QStringLiteral("&Game"));
        return bar.sizeHint().height();
    }();
    return height;
}
}

QPoint gptfCentredFrame(const QSize& client, const QMargins& frame, const QRect& area)
{
    const QSize outer = client.grownBy(frame);
    // Too large for the area: the top-left corner, with the title bar and
    // the menu, stays on it.
    return {std::max(area.left(), area.left() + (area.width() - outer.width()) / 2),
            std::max(area.top(), area.top() + (area.height() - outer.height()) / 2)};
}

void gsCenterForm(QWidget* form)
{
    if (!gblnfProgramPlacesWindows())
        return;
    const QMargins frame = frameOf(form).isNull() ? gmrgfFrameMargins() : frameOf(form);
    // A top-level window's position is its frame's.
    form->move(gptfCentredFrame(form->size(), frame, grectfAvailableArea(form)));
    if (!form->isVisible() && !form->findChild<QObject*>(kWatcherName, Qt::FindDirectChildrenOnly))
        new FrameWatcher(form, frame);
}

void gsSizeFormToClient(QMainWindow* form, int width, int height)
{
    if (QWidget* client = form->centralWidget())
        client->setFixedSize(width, height);
    const int menuHeight = form->menuWidget() ? form->menuWidget()->sizeHint().height() : 0;
    form->setFixedSize(width, height + menuHeight);
}

void gsPlaceObjWithinObj(QWidget* outer, QWidget* inner, int aintPosition, int aintOffsetX, int aintOffsetY)
{
    trapErrors("gsPlaceObjWithinObj", [&] {
        const int outerW = outer->width();
        const int outerH = outer->height();
        const int innerW = inner->width();
        const int innerH = inner->height();
        const int right = outerW - innerW - aintOffsetX;
        const int bottom = outerH - innerH - aintOffsetY;
        const int centreX = (outerW - innerW) / 2;
        const int centreY = (outerH - innerH) / 2;
        int left = aintOffsetX;
        int top = aintOffsetY;
        switch (aintPosition) {
        case 0: break;
        case 1: left = right; break;
        case 2: top = bottom; break;
        case 3: left = right; top = bottom; break;
        case 4: left = centreX; break;
        case 5: left = centreX; top = bottom; break;
        case 6: top = centreY; break;
        case 7: left = right; top = centreY; break;
        default: throw RuntimeError(err::InvalidCall, QStringLiteral("Invalid procedure call or argument"));
        }
        inner->move(left, top);
    });
}

QSize gszfLargestWindow(int aintScreenWidth)
{
    const QSize board = aintScreenWidth <= kNarrowScreen ? kLargestBoardNarrowScreen : kLargestBoard;
    return board + QSize(0, menuBarHeight());
}

int gintfScaleForScreen(double adblDesktopRatio, const QSize& available)
{
    const int desktop = gintfWholeScale(adblDesktopRatio);
    // The window manager draws its frame at the desktop's own scale.
    const QMargins usual = gmrgfFrameMargins();
    const QSize frame = QSize(usual.left() + usual.right(), usual.top() + usual.bottom()) * desktop;
    return gintfFittingScale(desktop, available, frame, gszfLargestWindow);
}

bool gblnfLowerScaleToFit()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return false;
    const double ratio = screen->devicePixelRatio();
    const int desktop = gintfWholeScale(ratio);
    const int scale = gintfScaleForScreen(ratio, screen->availableGeometry().size() * ratio);
    if (scale >= desktop)
        return false;
    // The toolkit's own factor multiplies the screen's: ask for the share of
    // it that leaves the fitting scale.
    double factor = qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? qgetenv("QT_SCALE_FACTOR").toDouble() : 1.0;
    if (!(factor > 0.0))
        factor = 1.0;
    qputenv("QT_SCALE_FACTOR", QByteArray::number(factor * scale / desktop, 'g', 17));
    return true;
}
