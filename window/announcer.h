#pragma once
// Says a sentence once to a screen reader: "Seven of Hearts to Foundation 1".
//
// Qt 6.4 has no announcement event. What screen readers do speak at once is
// a notification shown inside a status bar, so the announcer is a hidden
// status bar holding one notification whose name is the sentence; each
// sentence renames it and shows it again. Nothing is sent while no screen
// reader is listening.

#include <QString>
#include <QWidget>

class AnnouncerMessage;

class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget* parent);

    void say(const QString& text);
    QString lastSaid() const { return mLast; }
    // Says the last sentence again.
    void repeat() { say(mLast); }

signals:
    // Every sentence, whether or not a screen reader listens.
    void said(const QString& text);

private:
    AnnouncerMessage* mMessage;
    QString mLast;
};

// The notification inside the announcer; its accessible name is the sentence.
class AnnouncerMessage : public QWidget {
    Q_OBJECT
public:
    explicit AnnouncerMessage(QWidget* parent) : QWidget(parent) {}
    QString text;
};

// True while a screen reader (or any accessibility client) listens.
bool gblnfScreenReaderOn();
// Tests: act as if one listened (the offscreen platform has no bridge).
void gsPretendScreenReader(bool ablnOn);
