#include "launcher/frmMenu.h"

#include "core/errors.h"
#include "launcher/chooseraccessible.h"
#include "launcher/chooserpicture.h"
#include "order/frmOrder.h"
#include "window/accessfactory.h"
#include "window/frmMain.h"
#include "window/modScreen.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr int kClientWidth = 457;
constexpr int kClientHeight = 318;
constexpr int kPictureBorder = 2;

struct Region {
    int left, top, width, height;
};
// Entries 1..10 are the games in choice order, 11 is Exit.
constexpr Region kRegions[frmMenu::kChoiceCount + 1] = {
    {0, 0, 0, 0},
    {32, 96, 155, 25},  {32, 125, 188, 27}, {32, 158, 91, 27},  {32, 192, 89, 25},
    {32, 221, 113, 25}, {280, 96, 75, 25},  {280, 126, 73, 22}, {280, 160, 131, 23},
    {280, 193, 105, 25}, {272, 224, 105, 24}, {192, 272, 58, 25},
};

// The picture surface: a sunken border round the chooser picture.
class PictureBox : public QFrame {
public:
    PictureBox(frmMenu* menu, QWidget* parent) : QFrame(parent), mMenu(menu)
    {
        setObjectName(QStringLiteral("Picture1"));
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setLineWidth(kPictureBorder);
        setMouseTracking(true);
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().window());
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(QPoint(kPictureBorder, kPictureBorder), gimgfChooserPicture(devicePixelRatioF()));
        QFrame::paintEvent(event);
    }
    void mouseMoveEvent(QMouseEvent* event) override
    {
        const QPointF p = event->position() - QPointF(kPictureBorder, kPictureBorder);
        mMenu->Picture1_MouseMove(static_cast<float>(p.x()), static_cast<float>(p.y()));
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        // A click is a press and release over the picture.
        if (rect().contains(event->position().toPoint()))
            mMenu->Picture1_Click();
    }

private:
    frmMenu* mMenu;
};
}

frmMenu::frmMenu(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmMenu"));
    setWindowTitle(QStringLiteral("Quillet"));
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    gsInstallAccessibility();  // before the picture exists: see accessfactory.h
    auto* client = new QWidget(this);
    setCentralWidget(client);
    mPicture1 = new PictureBox(this, client);
    mPicture1->setGeometry(0, 0, 464, 324);
    for (int i = 1; i <= kChoiceCount; ++i) {
        auto* shape = new QFrame(mPicture1);
        shape->setObjectName(QStringLiteral("shpChoice_%1").arg(i));
        shape->setAttribute(Qt::WA_TransparentForMouseEvents);
        shape->setStyleSheet(QStringLiteral("QFrame { border: 1px solid rgb(0, 255, 0); background: transparent; }"));
        const Region& r = kRegions[i];
        shape->setGeometry(kPictureBorder + r.left, kPictureBorder + r.top, r.width, r.height);
        shape->hide();
        mShpChoice[i] = shape;
    }

    gsSpeakChooser(this);

    QAction* order = menuBar()->addAction(QStringLiteral("&Order"));
    order->setObjectName(QStringLiteral("mnuOrder"));
    connect(order, &QAction::triggered, this, [this] { mnuOrder_Click(); });

    gsSizeFormToClient(this, kClientWidth, kClientHeight);
}

frmMenu::~frmMenu()
{
    if (mGameWindow)
        delete mGameWindow.data();
}

QFrame* frmMenu::outline(int index) const
{
    return index >= 1 && index <= kChoiceCount ? mShpChoice[index] : nullptr;
}

frmMain* frmMenu::gameWindow() const { return mGameWindow.data(); }

QPoint frmMenu::pictureWidgetPoint(int x, int y) const { return {x + kPictureBorder, y + kPictureBorder}; }

void frmMenu::setVisible(bool visible)
{
    if (visible && !mLoaded) {
        mLoaded = true;
        gsCenterForm(this);
    }
    QMainWindow::setVisible(visible);
}

int frmMenu::mintfChoice(float x, float y)
{
    int found = 0;
    trapErrors("mintfChoice", [&] {
        for (int i = 1; i <= kChoiceCount; ++i) {
            const Region& r = kRegions[i];
            const float left = static_cast<float>(r.left);
            const float top = static_cast<float>(r.top);
            if (left <= x && x <= left + static_cast<float>(r.width) && top <= y &&
                y <= top + static_cast<float>(r.height)) {
                found = i;
                return;
            }
        }
    });
    return found;
}

void frmMenu::Picture1_MouseMove(float x, float y)
{
    mCurrentChoice = mintfChoice(x, y);
    for (int i = 1; i <= kChoiceCount; ++i)
        mShpChoice[i]->setVisible(i == mCurrentChoice);
}

void frmMenu::Picture1_Click()
{
    trapErrors("Picture1_Click", [&] {
        if (mCurrentChoice == kExitChoice) {
            close();
            return;
        }
        if (mCurrentChoice < 1 || mCurrentChoice > 10)
            return;
        const int chosen = mCurrentChoice;
        auto* game = new frmMain;
        mGameWindow = game;
        connect(game, &frmMain::unloaded, this, [this] {
            // Back to choosing, with no outline until the pointer moves.
            show();
            raise();
            activateWindow();
        });
        game->msLoadFormVariables(chosen);
        game->show();
        hide();
        mShpChoice[chosen]->hide();
        mCurrentChoice = 0;
    });
}

void frmMenu::mnuOrder_Click()
{
    frmOrder form(this);
    form.exec();
}

void frmMenu::closeEvent(QCloseEvent* event)
{
    // The chooser owns the program's life: every other window goes with it.
    if (mGameWindow) {
        mGameWindow->disconnect(this);
        mGameWindow->close();
    }
    event->accept();
    emit programEnded();
    QApplication::quit();
}
