#pragma once
// The window in which one game is played. It owns the board surfaces, the
// Deal and Undo panel, the menus and the game object, and turns the player's
// actions into calls on the game. It knows nothing of any game's rules.

#include "core/board.h"
#include "window/boardview.h"

#include <QMainWindow>
#include <functional>
#include <memory>
#include <vector>

class BoardSpeech;
class GameRules;
class QAction;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    using GameFactory = std::function<std::unique_ptr<GameRules>(int aenmChoice, Board& board)>;

    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // Stores the game choice; call before the window is shown.
    void msLoadFormVariables(int aenmChoice);

    // Tests create their own games; an empty factory restores the real one.
    static void gsSetGameFactory(GameFactory factory);

    // For tests and tools.
    GameRules* game() const { return mGame.get(); }
    Board& board() { return mBoard; }
    BoardView* picWork() const { return mPicWork; }
    QFrame* picPlay() const { return mPicPlay; }
    QLabel* lblCardsLeft() const { return mLblCardsLeft; }
    QPushButton* cmdDeal() const { return mCmdDeal; }
    QPushButton* cmdUndo() const { return mCmdUndo; }
    int playRight() const { return mPlayRight; }
    int playBottom() const { return mPlayBottom; }
    int cardsLeft() const { return mCardsLeft; }
    bool isInactive() const { return mInactive; }
    bool isFinished() const { return mFinished; }
    bool isDragging() const { return mDragging; }
    QPoint dragPosition() const { return {mDragX, mDragY}; }
    QSize dragImageSize() const { return {mImageWidth, mImageHeight}; }
    // A drag game's card or group is held (picked up or being dragged).
    bool isHoldingImage() const { return mCardFrom != 0 && isDragGame(); }
    // A press has picked something that its release has yet to place.
    bool hasSelection() const { return mCardFrom != 0; }
    QPointF pressPosition() const { return {mPressX, mPressY}; }
    // What a screen reader hears of the board.
    BoardSpeech* speech() const { return mSpeech; }
    QAction* action(const char* name) const;

    // The actions behind the menus and buttons, also driven by tests.
    void mnuGameNew_Click();
    void cmdDeal_Click();
    void cmdUndo_Click();
    void mnuHelpAbout_Click();

    // Pointer events of the board, positions in board pixels.
    void picWork_MouseDown(float x, float y);
    void picWork_MouseMove(float x, float y);
    void picWork_MouseUp(float x, float y);
    // A key on the board: the same press, move and release calls, at the
    // spot the keyboard's frame marks. Answers whether the key was the board's.
    bool picWork_KeyDown(int aintKey, bool ablnRepeat);
    // The keyboard holds the current gesture's card or group.
    bool isKeyGesture() const { return mKeyGesture; }

signals:
    // The window has unloaded: the chooser shows itself again.
    void unloaded();
    // The keyboard's frame moved to another spot, or was hidden.
    void keyFrameMoved(QRect spot);

public:
    void setVisible(bool visible) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    // A hidden, minimised or deactivated window ends its gesture.
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void Form_Unload();
    void msSetObject();
    void msSetAboutCaption();
    QString mstrfGetHelpFile();
    void msGetPlayArea();
    void msLoadBackground();
    void msFollowScale();
    void msShowHelp(int command, int data);
    void msSetCardsLeftCaption();
    void msGameWon();
    void msEndGesture();
    void msFinishGesture();
    void msCancelGesture();
    void msPointerPressed();
    std::vector<QRect> mvecfKeySpots() const;
    void msShowKeyFrame(const QRect& spot);
    void msHideKeyFrame();
    void msKeyFrameFollowBoard();
    void msKeyPress(const QRect& spot);
    void msKeyMoveHeld(const QRect& spot);
    bool isDragGame() const;
    void buildMenus();
    void buildPanel();

    Board mBoard;
    BoardView* mPicWork = nullptr;
    QFrame* mPicPlay = nullptr;
    QLabel* mLblCardsLeft = nullptr;
    QPushButton* mCmdDeal = nullptr;
    QPushButton* mCmdUndo = nullptr;
    QMenu* mMnuGame = nullptr;
    QMenu* mMnuHelp = nullptr;
    QAction* mMnuHelpAbout = nullptr;
    BoardSpeech* mSpeech = nullptr;

    int mChoice = 0;
    std::unique_ptr<GameRules> mGame;
    bool mLoaded = false;
    bool mUnloaded = false;
    bool mScalePending = false;
    int mClientRight = 0;
    int mClientBottom = 0;
    bool mInactive = true;
    bool mFinished = false;
    int mCardsLeft = 0;
    int mPlayRight = 0;
    int mPlayBottom = 0;

    // Selection and drag state.
    int mCardFrom = 0;
    int mCardTo = 0;
    int mCardsInSequence = 0;
    int mDragX = 0;
    int mDragY = 0;
    float mGrabX = 0;
    float mGrabY = 0;
    int mImageWidth = 0;
    int mImageHeight = 0;
    bool mDragging = false;
    bool mCursorHidden = false;
    float mPointerX = 0;  // pointer at the gesture's last event
    float mPointerY = 0;
    float mPressX = 0;  // where the gesture's press was
    float mPressY = 0;

    // Keyboard play: the spot the frame marks, and whether it shows.
    bool mKeyGesture = false;
    bool mKeyFrameShown = false;
    QRect mKeySpot;
    QRect mKeyFrom;  // the spot of the held card's press
};
