#pragma once
// Per-game help. A help file is an HTML document kept beside the executable;
// its topics are anchors: <a name="index"> for the contents, and
// <a name="context-N"> for context number N (10 how to play, 20 commands).

#include <QString>
#include <functional>

class QWidget;

constexpr int HELP_CONTEXT = 1;
constexpr int HELP_QUIT = 2;
constexpr int HELP_INDEX = 3;
constexpr int HELP_HELPONHELP = 4;

struct HelpCall {
    QString helpFile;
    int command;
    int data;
};

// Opens, moves within or closes the help viewer. helpFile is a bare file
// name, looked up in the program's folder. Answers true when the command
// was carried out.
bool WinHelpA(QWidget* owner, const QString& helpFile, int command, int data);

// Tests watch the commands sent; the viewer still acts on them.
void gsSetHelpHook(std::function<void(const HelpCall&)> hook);

// What the viewer currently shows, for tests: empty when closed.
QString gstrfHelpViewerFile();
QString gstrfHelpViewerAnchor();
QString gstrfHelpViewerText();
