#pragma once
// The game chooser: the program's start-up window and the only place from
// which the program ends. A picture lists the ten games and Exit; the entry
// under the pointer gets a green outline and a click opens it.

#include <QMainWindow>
#include <QPointer>

class frmMain;
class QFrame;
class QWidget;

class frmMenu : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kChoiceCount = 11;  // ten games and Exit
    static constexpr int kExitChoice = 11;

    explicit frmMenu(QWidget* parent = nullptr);
    ~frmMenu() override;

    // The choice whose region holds the point (inner pixels of the
    // picture), or 0.
    int mintfChoice(float x, float y);

    // Pointer over the picture, in the picture's inner pixels.
    void Picture1_MouseMove(float x, float y);
    void Picture1_Click();
    // Arrows move the outline, Return or Space opens the outlined entry.
    void Picture1_KeyDown(int aintKey, bool ablnRepeat);
    void mnuOrder_Click();

    int currentChoice() const { return mCurrentChoice; }
    QWidget* picture() const { return mPicture1; }
    QFrame* outline(int index) const;  // 1..11
    frmMain* gameWindow() const;
    // Where a region's inner pixel (x, y) lies in the picture widget.
    QPoint pictureWidgetPoint(int x, int y) const;

    void setVisible(bool visible) override;

signals:
    // The chooser has unloaded: the program ends.
    void programEnded();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int mintfChoiceBeside(int aintChoice, int aintSide) const;

    QWidget* mPicture1 = nullptr;
    QFrame* mShpChoice[kChoiceCount + 1] = {};
    int mCurrentChoice = 0;
    bool mLoaded = false;
    QPointer<frmMain> mGameWindow;
};
