#pragma once
// The about box of the game window's Help menu, captioned with the game's name.

#include <QDialog>

class QLabel;

class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);
    void msLoadFormVariables(const QString& astrFormCaption);
    QLabel* label(int index) const;

    void setVisible(bool visible) override;

private:
    void Form_Load();

    QString mCaption;
    QLabel* mLabels[5] = {};
    bool mLoaded = false;
};
