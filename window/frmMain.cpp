#include "window/frmMain.h"

#include "core/displayscale.h"
#include "core/errors.h"
#include "core/gamechoices.h"
#include "core/gamerules.h"
#include "core/helpviewer.h"
#include "core/msgbox.h"
#include "core/platform.h"
#include "games/gamefactory.h"
#include "launcher/frmAbout.h"
#include "window/accessfactory.h"
#include "window/boardspeech.h"
#include "window/boardview.h"
#include "window/modScreen.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFrame>
#include <QImageReader>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QWindow>

namespace {
constexpr int kDesignWidth = 800;
constexpr int kDesignHeight = 600;
constexpr int kPanelWidth = 88;
constexpr int kPanelHeight = 70;
// A background larger than this is refused rather than decoded.
constexpr int kMaxBackgroundSide = 8192;
constexpr qint64 kMaxBackgroundBytes = 256LL * 1024 * 1024;

frmMain::GameFactory& factoryOverride()
{
    static frmMain::GameFactory f;
    return f;
}

// The game object; a window without one fails every call as an unset
// object reference would.
GameRules& gameOf(const std::unique_ptr<GameRules>& game)
{
    if (!game)
        throw RuntimeError(err::ObjectNotSet, QStringLiteral("Object variable or With block variable not set"));
    return *game;
}
}

void frmMain::gsSetGameFactory(GameFactory factory) { factoryOverride() = std::move(factory); }

frmMain::frmMain(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmMain"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Quillet"));
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    gsInstallAccessibility();  // before the board exists: see accessfactory.h
    mPicWork = new BoardView(mBoard, this);
    setCentralWidget(mPicWork);
    mSpeech = new BoardSpeech(*this, *mPicWork);
    mPicWork->setPointerHandler([this](BoardView::Pointer kind, Qt::MouseButton, Qt::KeyboardModifiers, float x,
                                       float y) {
        // While the keyboard holds a card only a press (which puts it back) counts.
        switch (kind) {
        case BoardView::Pointer::Down: {
            const BoardSpeech::Watch said(mSpeech, BoardSpeech::Action::Press, 0, {x, y});
            msPointerPressed();
            picWork_MouseDown(x, y);
            break;
        }
        case BoardView::Pointer::Move:
            if (!mKeyGesture)
                picWork_MouseMove(x, y);
            break;
        case BoardView::Pointer::Up:
            if (!mKeyGesture) {
                const BoardSpeech::Watch said(mSpeech, BoardSpeech::Action::Release);
                picWork_MouseUp(x, y);
            }
            break;
        case BoardView::Pointer::Lost: msCancelGesture(); break;
        }
    });
    mPicWork->setKeyHandler([this](int key, bool autoRepeat) {
        // A held-down key acts once: its repeats have nothing to tell.
        const BoardSpeech::Watch said(mSpeech, BoardSpeech::Action::Key, autoRepeat ? 0 : key);
        return picWork_KeyDown(key, autoRepeat);
    });
    mPicWork->setFocus();
    // The board reports each changed rectangle of the window image; only
    // those are repainted. Exposes and resizes still repaint everything.
    mBoard.setDamageHandler([this](const QRect& r) {
        mPicWork->update(r);
        mSpeech->tableChanged();
    });
    // Not from inside the paint: ending a gesture may show a message.
    mPicWork->setScaleHandler([this] {
        if (!mScalePending) {
            mScalePending = true;
            QMetaObject::invokeMethod(this, [this] { msFollowScale(); }, Qt::QueuedConnection);
        }
    });

    buildMenus();
    buildPanel();
    gsSizeFormToClient(this, kDesignWidth, kDesignHeight);
}

frmMain::~frmMain()
{
    // A window destroyed without being closed still unloads properly.
    if (!mUnloaded)
        Form_Unload();
    // The board outlives this object while the base classes tear the
    // window down (hiding it takes its focus): it must call back no more.
    mPicWork->setPointerHandler({});
    mPicWork->setKeyHandler({});
    mPicWork->setScaleHandler({});
    mBoard.setDamageHandler({});
    if (windowHandle())
        windowHandle()->removeEventFilter(this);
}

void frmMain::buildMenus()
{
    mMnuGame = menuBar()->addMenu(QStringLiteral("&Game"));
    mMnuGame->setObjectName(QStringLiteral("mnuGame"));
    QAction* newGame = mMnuGame->addAction(QStringLiteral("&New"), this, [this] { mnuGameNew_Click(); });
    newGame->setObjectName(QStringLiteral("mnuGameNew"));
    mMnuGame->addSeparator()->setObjectName(QStringLiteral("mnuGameSep1"));
    QAction* exitGame = mMnuGame->addAction(QStringLiteral("E&xit"), this, [this] { close(); });
    exitGame->setObjectName(QStringLiteral("mnuGameExit"));

    mMnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mMnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    QAction* index = mMnuHelp->addAction(QStringLiteral("&Index"), this, [this] { msShowHelp(HELP_INDEX, 0); });
    index->setObjectName(QStringLiteral("mnuHelpIndex"));
    index->setShortcut(QKeySequence(Qt::Key_F1));
    index->setShortcutContext(Qt::WindowShortcut);
    mMnuHelp->addAction(QStringLiteral("&How To Play"), this, [this] { msShowHelp(HELP_CONTEXT, 10); })
        ->setObjectName(QStringLiteral("mnuHelpHowToPlay"));
    mMnuHelp->addAction(QStringLiteral("&Commands"), this, [this] { msShowHelp(HELP_CONTEXT, 20); })
        ->setObjectName(QStringLiteral("mnuHelpCommands"));
    mMnuHelp->addAction(QStringLiteral("&Using Help"), this, [this] { msShowHelp(HELP_HELPONHELP, 0); })
        ->setObjectName(QStringLiteral("mnuHelpUsingHelp"));
    mMnuHelp->addSeparator()->setObjectName(QStringLiteral("mnuHelpSep1"));
    mMnuHelpAbout = mMnuHelp->addAction(QStringLiteral("&About..."), this, [this] { mnuHelpAbout_Click(); });
    mMnuHelpAbout->setObjectName(QStringLiteral("mnuHelpAbout"));

    // A menu opened from the keyboard in mid-gesture takes the pointer, and
    // the board would never see the release: end the gesture first.
    connect(mMnuGame, &QMenu::aboutToShow, this, [this] { msFinishGesture(); });
    connect(mMnuHelp, &QMenu::aboutToShow, this, [this] { msFinishGesture(); });
}

void frmMain::buildPanel()
{
    mPicPlay = new QFrame(mPicWork);
    mPicPlay->setObjectName(QStringLiteral("picPlay"));
    mPicPlay->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    mPicPlay->setLineWidth(2);
    mPicPlay->setAutoFillBackground(true);
    mPicPlay->setBackgroundRole(QPalette::Button);
    mPicPlay->setGeometry(648, 176, kPanelWidth, kPanelHeight);
    // The panel is laid out in pixels for a small sans face: keep it that
    // size whatever the desktop's default font is.
    QFont panelFont(QStringLiteral("Liberation Sans"));
    panelFont.setPixelSize(11);
    mPicPlay->setFont(panelFont);

    const int inset = 1;  // the sunken border takes 2 of the panel's pixels each side
    mLblCardsLeft = new QLabel(mPicPlay);
    mLblCardsLeft->setObjectName(QStringLiteral("lblCardsLeft"));
    mLblCardsLeft->setGeometry(inset + 2, inset + 2, 81, 19);
    mCmdDeal = new QPushButton(QStringLiteral("&Deal"), mPicPlay);
    mCmdDeal->setObjectName(QStringLiteral("cmdDeal"));
    mCmdDeal->setGeometry(inset + 2, inset + 22, 81, 21);
    mCmdDeal->setEnabled(false);
    mCmdDeal->setFocusPolicy(Qt::NoFocus);
    connect(mCmdDeal, &QPushButton::clicked, this, [this] { cmdDeal_Click(); });
    mCmdUndo = new QPushButton(QStringLiteral("&Undo"), mPicPlay);
    mCmdUndo->setObjectName(QStringLiteral("cmdUndo"));
    mCmdUndo->setGeometry(inset + 2, inset + 44, 81, 21);
    mCmdUndo->setEnabled(false);
    mCmdUndo->setFocusPolicy(Qt::NoFocus);
    connect(mCmdUndo, &QPushButton::clicked, this, [this] { cmdUndo_Click(); });
}

QAction* frmMain::action(const char* name) const { return findChild<QAction*>(QString::fromLatin1(name)); }

void frmMain::msLoadFormVariables(int aenmChoice) { mChoice = aenmChoice; }

void frmMain::setVisible(bool visible)
{
    // Showing the window loads it, once.
    if (visible && !mLoaded) {
        mLoaded = true;
        Form_Load();
    }
    QMainWindow::setVisible(visible);
    if (visible && windowHandle())
        windowHandle()->installEventFilter(this);
}

bool frmMain::isDragGame() const
{
    const GameChoice* info = gfGameChoice(mChoice);
    return info && info->dragStyle;
}

void frmMain::Form_Load()
{
    trapErrors("Form_Load", [&] {
        mInactive = true;
        msSetObject();
        GameRules& game = gameOf(mGame);
        mClientRight = game.prpClientRight();
        mClientBottom = game.prpClientBottom();
        msLoadBackground();
        mBoard.resize(mClientRight, mClientBottom, gintfWholeScale(devicePixelRatioF()));
        mBoard.clsWindow();
        gsSizeFormToClient(this, mClientRight, mClientBottom);
        setWindowTitle(game.prpTitle());
        msSetAboutCaption();
        if (mChoice == choice::Scorpion && mClientRight == 800) {
            const int top = mClientBottom - (kPanelHeight * 3) / 2 - 3;
            mPicPlay->move(mClientRight - kPanelWidth, top);
        } else {
            gsPlaceObjWithinObj(mPicWork, mPicPlay, 3, 0, 0);
        }
        gsCenterForm(this);
        msGetPlayArea();
    });
}

void frmMain::msSetObject()
{
    trapErrors("msSetObject", [&] {
        mGame.reset();
        if (!gfGameChoice(mChoice))
            return;
        mGame = factoryOverride() ? factoryOverride()(mChoice, mBoard) : gobjfCreateGame(mChoice, mBoard);
    });
}

void frmMain::msLoadBackground()
{
    const QString path = gstrfProgramFolder() + QStringLiteral("/Main.bmp");
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile())
        throw RuntimeError(err::FileNotFound, QStringLiteral("File not found"));
    if (info.size() > kMaxBackgroundBytes)
        throw RuntimeError(err::OutOfMemory, QStringLiteral("Out of memory"));
    QImageReader reader(path);
    reader.setAllocationLimit(256);  // megabytes
    const QSize size = reader.size();
    if (size.width() > kMaxBackgroundSide || size.height() > kMaxBackgroundSide)
        throw RuntimeError(err::OutOfMemory, QStringLiteral("Out of memory"));
    const QImage picture = reader.read();
    if (picture.isNull())
        throw RuntimeError(err::InvalidPicture, QStringLiteral("Invalid picture"));
    mBoard.setBackground(picture);
}

void frmMain::msFollowScale()
{
    mScalePending = false;
    const int scale = gintfWholeScale(mPicWork->devicePixelRatioF());
    if (mUnloaded || scale == mBoard.scale())
        return;
    trapErrors("msFollowScale", [&] {
        msFinishGesture();
        mBoard.resize(mBoard.width(), mBoard.height(), scale);
        // Before New the empty board is all there is to show.
        if (mGame && (!mInactive || mFinished))
            mGame->gsDrawCards();
        mPicWork->update();
    });
}

void frmMain::msSetAboutCaption()
{
    mMnuHelpAbout->setText(QStringLiteral("&About ") + gameOf(mGame).prpTitle() + QStringLiteral("..."));
}

QString frmMain::mstrfGetHelpFile()
{
    QString name;
    trapErrors("mstrfGetHelpFile", [&] {
        if (const GameChoice* info = gfGameChoice(mChoice))
            name = QString::fromLatin1(info->helpFile);
    });
    return name;
}

void frmMain::msGetPlayArea()
{
    trapErrors("msGetPlayArea", [&] {
        const QRect panel = mPicPlay->geometry();
        if (mChoice == choice::Maze || mChoice == choice::Scorpion) {
            mPlayRight = panel.left();
            mPlayBottom = panel.top() + panel.height();
        } else {
            mPlayRight = mClientRight;
            mPlayBottom = panel.top();
        }
    });
}

void frmMain::mnuGameNew_Click()
{
    const BoardSpeech::Watch said(mSpeech, BoardSpeech::Action::New);
    trapErrors("mnuGameNew_Click", [&] {
        // A gesture cut short by New must not leave the pointer hidden.
        msEndGesture();
        msHideKeyFrame();
        mBoard.clsWindow();
        mBoard.cls();
        mFinished = false;
        mInactive = false;
        GameRules& game = gameOf(mGame);
        game.gsInitVar();
        game.gsInitCardPsns();
        game.gsInitNewGame();
        if (mChoice == choice::Decade)
            mBoard.presentBoard();
        const GameChoice* info = gfGameChoice(mChoice);
        mCmdDeal->setEnabled(info && info->dealAfterNew);
        mCmdUndo->setEnabled(false);
        mCmdDeal->setText(QStringLiteral("&Deal"));
        mLblCardsLeft->setText(QString());
    });
}

void frmMain::msSetCardsLeftCaption()
{
    mLblCardsLeft->setText(QStringLiteral(" Cards Left: ") + QString::number(mCardsLeft));
}

void frmMain::cmdDeal_Click()
{
    const BoardSpeech::Watch said(mSpeech, BoardSpeech::Action::Deal);
    trapErrors("cmdDeal_Click", [&] {
        // Deal from the keyboard in mid-drag: the held cards go down first,
        // so the deal never lands on a column that is half in the hand.
        msFinishGesture();
        bool dealEnabled = false;
        bool undoEnabled = false;
        gameOf(mGame).gsDealCard(dealEnabled, undoEnabled, mCardsLeft);
        mCmdDeal->setEnabled(dealEnabled);
        mCmdUndo->setEnabled(undoEnabled);
        if (mChoice != choice::Scorpion)
            msSetCardsLeftCaption();
        if (mChoice == choice::MonteCarlo && mCardsLeft == 0)
            mCmdDeal->setText(QStringLiteral("OK"));
        msKeyFrameFollowBoard();
    });
}

void frmMain::cmdUndo_Click()
{
    const BoardSpeech::Watch said(mSpeech, BoardSpeech::Action::Undo);
    trapErrors("cmdUndo_Click", [&] {
        bool dealEnabled = mCmdDeal->isEnabled();
        bool undoEnabled = false;
        gameOf(mGame).gsUndo(dealEnabled, undoEnabled, mCardsLeft);
        mCmdDeal->setEnabled(dealEnabled);
        mCmdUndo->setEnabled(undoEnabled);
        if (!mLblCardsLeft->text().trimmed().isEmpty())
            msSetCardsLeftCaption();
        msKeyFrameFollowBoard();
    });
}

void frmMain::msShowHelp(int command, int data) { WinHelpA(this, mstrfGetHelpFile(), command, data); }

void frmMain::mnuHelpAbout_Click()
{
    auto* about = new frmAbout(this);
    const GameChoice* info = gfGameChoice(mChoice);
    about->msLoadFormVariables(info ? QString::fromUtf8(info->name) : windowTitle());
    about->exec();
    delete about;
}

void frmMain::msGameWon()
{
    mFinished = true;
    mInactive = true;
    msHideKeyFrame();
    gMsgBox(QStringLiteral("You Win!"), windowTitle(), MsgIcon::None);
    mCmdDeal->setEnabled(false);
    mCmdUndo->setEnabled(false);
}

void frmMain::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->accept();
}

void frmMain::Form_Unload()
{
    if (mUnloaded)
        return;
    mUnloaded = true;
    msEndGesture();
    mGame.reset();
    WinHelpA(this, mstrfGetHelpFile(), HELP_QUIT, 0);
    emit unloaded();
}
