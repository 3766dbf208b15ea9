#include "core/helpviewer.h"

#include "core/helpplacement.h"
#include "core/platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QAbstractTextDocumentLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextFrame>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>

namespace {
const char* const kHelpOnHelp = R"(<html><body>
<h2><a name="index"></a>Using Help</h2>
<p>Each game has its own help. Open it from the game window's <b>Help</b> menu:</p>
<ul>
<li><b>Index</b> (F1) shows the contents of the game's help.</li>
<li><b>How To Play</b> goes straight to the rules.</li>
<li><b>Commands</b> explains the menus and buttons.</li>
</ul>
<p>Click a blue link to jump to that topic. Use the scroll bar or the arrow
and Page keys to read on. Close this window when you are done; it also closes
when you leave the game.</p>
</body></html>)";

constexpr qint64 kMaxHelpFileBytes = 4 * 1024 * 1024;

std::function<void(const HelpCall&)>& hook()
{
    static std::function<void(const HelpCall&)> h;
    return h;
}

// One place the reader has been: a file's text and a spot in it.
struct HelpStop {
    QString file;
    QString title;
    QString html;
    QString anchor;
    int scroll = -1;  // -1: at the anchor
};

// The handle stands out dark on a light track, whatever the desktop theme.
const char* const kScrollBarStyle = R"(
QScrollBar:vertical { background: #e4e4e4; width: 15px; margin: 0; border-left: 1px solid #c8c8c8; }
QScrollBar::handle:vertical { background: #7d7d7d; min-height: 28px; margin: 2px; border-radius: 4px; }
QScrollBar::handle:vertical:hover { background: #5f5f5f; }
QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }
QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; })";

constexpr int kTextMargin = 12;
// Room left above a heading a jump brings to the top.
constexpr int kHeadingAir = 6;

class HelpWindow;

class HelpBrowser : public QTextBrowser {
public:
    explicit HelpBrowser(HelpWindow* owner);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    HelpWindow* mOwner;
};

class HelpWindow : public QWidget {
public:
    HelpWindow()
    {
        setAttribute(Qt::WA_DeleteOnClose);
        setObjectName(QStringLiteral("helpViewer"));
        resize(520, 560);
        browser = new HelpBrowser(this);
        browser->setObjectName(QStringLiteral("helpText"));
        browser->setOpenLinks(false);
        browser->verticalScrollBar()->setStyleSheet(QString::fromLatin1(kScrollBarStyle));
        QObject::connect(browser, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) { follow(url); });
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(browser);
    }

    // A new stop: what lies ahead of the current one is dropped, as in any browser.
    void go(HelpStop stop)
    {
        keepScroll();
        if (current >= 0)
            history.resize(current + 1);
        history.append(std::move(stop));
        current = static_cast<int>(history.size()) - 1;
        display();
    }
    bool back()
    {
        if (current <= 0)
            return false;
        keepScroll();
        --current;
        display();
        return true;
    }
    bool forward()
    {
        if (current + 1 >= history.size())
            return false;
        keepScroll();
        ++current;
        display();
        return true;
    }
    void padEnd();

    HelpBrowser* browser;
    QString file;
    QString anchor;
    std::function<bool(const QString& name, HelpStop& stop)> loadFile;

private:
    void keepScroll()
    {
        if (current >= 0)
            history[current].scroll = browser->verticalScrollBar()->value();
    }
    void display()
    {
        const HelpStop& stop = history.at(current);
        if (stop.file != file || browser->property("quilletHtml").toString() != stop.html) {
            browser->setHtml(stop.html);
            browser->setProperty("quilletHtml", stop.html);
            padEnd();
        }
        file = stop.file;
        anchor = stop.anchor;
        const QString documentTitle = browser->documentTitle();
        setWindowTitle(documentTitle.isEmpty() ? stop.title : documentTitle);
        if (stop.scroll >= 0)
            browser->verticalScrollBar()->setValue(stop.scroll);
        else
            jumpToAnchor(stop.anchor);
    }
    void follow(const QUrl& url)
    {
        if (current < 0)
            return;
        const HelpStop& here = history.at(current);
        if (url.scheme().isEmpty() && url.path().isEmpty()) {
            go({here.file, here.title, here.html, url.fragment(), -1});
            return;
        }
        // Another help file of the program's folder; nothing else is opened.
        HelpStop stop;
        if (url.scheme().isEmpty() && loadFile && loadFile(url.path(), stop)) {
            stop.anchor = url.fragment().isEmpty() ? QStringLiteral("index") : url.fragment();
            go(stop);
        }
    }
    int anchorTop(const QString& name) const;
    void jumpToAnchor(const QString& name)
    {
        const int top = anchorTop(name);
        browser->verticalScrollBar()->setValue(top < 0 ? 0 : std::max(0, top - kHeadingAir));
    }

    QList<HelpStop> history;
    int current = -1;
    friend class HelpBrowser;
};

// The top of the line holding the anchor, in document pixels; -1 if none.
int HelpWindow::anchorTop(const QString& name) const
{
    if (name.isEmpty())
        return -1;
    QTextDocument* doc = browser->document();
    QAbstractTextDocumentLayout* layout = doc->documentLayout();
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            if (!format.isAnchor() || !format.anchorNames().contains(name))
                continue;
            const QRectF r = layout->blockBoundingRect(block);
            const QTextLine line = block.layout()->lineForTextPosition(fragment.position() - block.position());
            return int(r.top() + (line.isValid() ? line.y() : 0));
        }
    }
    return -1;
}

// Enough room after the text for the last topic's heading to reach the top.
void HelpWindow::padEnd()
{
    QTextDocument* doc = browser->document();
    QTextFrameFormat format = doc->rootFrame()->frameFormat();
    format.setMargin(kTextMargin);
    doc->rootFrame()->setFrameFormat(format);
    int lastTop = -1;
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            for (const QString& n : it.fragment().charFormat().anchorNames())
                lastTop = std::max(lastTop, anchorTop(n));
    if (lastTop < 0)
        return;
    const int contentEnd = int(doc->documentLayout()->documentSize().height()) - kTextMargin;
    const int needed = lastTop - kHeadingAir + browser->viewport()->height() - contentEnd;
    if (needed > kTextMargin) {
        format.setBottomMargin(needed);
        doc->rootFrame()->setFrameFormat(format);
    }
}

HelpBrowser::HelpBrowser(HelpWindow* owner) : QTextBrowser(owner), mOwner(owner)
{
    // A caret the arrows move, so a screen reader can read the text line by line.
    setTextInteractionFlags(textInteractionFlags() | Qt::TextSelectableByKeyboard);
}

void HelpBrowser::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    const int key = event->key();
    if (key == Qt::Key_Escape && mods == Qt::NoModifier) {
        mOwner->close();
    } else if ((key == Qt::Key_Left && mods == Qt::AltModifier) || (key == Qt::Key_Backspace && mods == Qt::NoModifier) ||
               key == Qt::Key_Back) {
        mOwner->back();
    } else if ((key == Qt::Key_Right && mods == Qt::AltModifier) || key == Qt::Key_Forward) {
        mOwner->forward();
    } else {
        QTextBrowser::keyPressEvent(event);
        return;
    }
    event->accept();
}

void HelpBrowser::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::BackButton)
        mOwner->back();
    else if (event->button() == Qt::ForwardButton)
        mOwner->forward();
    else
        QTextBrowser::mousePressEvent(event);
}

void HelpBrowser::resizeEvent(QResizeEvent* event)
{
    const int value = verticalScrollBar()->value();
    QTextBrowser::resizeEvent(event);
    mOwner->padEnd();
    // A topic just jumped to stays at the top when the text rewraps.
    if (mOwner->current >= 0 && mOwner->history.at(mOwner->current).scroll < 0 && value == 0)
        mOwner->jumpToAnchor(mOwner->anchor);
}

bool readHelpFile(const QString& helpFile, HelpStop& stop);

QPointer<HelpWindow> viewer;

HelpWindow* ensureViewer()
{
    if (!viewer)
        viewer = new HelpWindow;
    viewer->loadFile = [](const QString& name, HelpStop& stop) { return readHelpFile(name, stop); };
    return viewer;
}

void showPage(QWidget* owner, const QString& file, const QString& title, const QString& html, const QString& anchor)
{
    HelpWindow* w = ensureViewer();
    if (!w->isVisible()) {
        // Placed by frames, the viewer's as the owner's, so that neither
        // border lies over the board.
        const QRect area = owner ? owner->window()->frameGeometry() : QRect();
        const QMargins frame = gmrgfFrameMargins();
        const QRect place = grectfHelpViewerPlace(w->size().grownBy(frame), area, grectfAvailableArea(owner));
        w->resize(place.size().shrunkBy(frame));
        if (gblnfProgramPlacesWindows())
            w->move(place.topLeft());
    }
    w->show();
    w->go({file, title, html, anchor, -1});
    w->raise();
    w->activateWindow();
}

QString notFoundPage(const QString& path)
{
    return QStringLiteral("<html><body><h3>Help file not available</h3><p>Cannot open the help file "
                          "\"%1\".</p><p>Make sure the file is in the program's folder and can be read.</p>"
                          "</body></html>")
        .arg(path.toHtmlEscaped());
}

// Only a bare name from the program's own folder is opened.
bool readHelpFile(const QString& helpFile, HelpStop& stop)
{
    const QString name = QFileInfo(helpFile).fileName();
    QFile file(gstrfProgramFolder() + QLatin1Char('/') + name);
    if (name.isEmpty() || !file.open(QIODevice::ReadOnly) || file.size() > kMaxHelpFileBytes)
        return false;
    stop = {name, name, QString::fromUtf8(file.readAll()), QString(), -1};
    return true;
}
}

void gsSetHelpHook(std::function<void(const HelpCall&)> h) { hook() = std::move(h); }

bool WinHelpA(QWidget* owner, const QString& helpFile, int command, int data)
{
    if (hook())
        hook()({helpFile, command, data});

    if (command == HELP_QUIT) {
        if (viewer && (helpFile.isEmpty() || viewer->file == helpFile || viewer->file.isEmpty()))
            viewer->close();
        return true;
    }
    if (command == HELP_HELPONHELP) {
        showPage(owner, QString(), QStringLiteral("Using Help"), QString::fromUtf8(kHelpOnHelp), QStringLiteral("index"));
        return true;
    }

    QString anchor;
    if (command == HELP_INDEX)
        anchor = QStringLiteral("index");
    else if (command == HELP_CONTEXT)
        anchor = QStringLiteral("context-%1").arg(data);
    else
        return false;

    HelpStop stop;
    if (!readHelpFile(helpFile, stop)) {
        const QString name = QFileInfo(helpFile).fileName();
        showPage(owner, QString(), QStringLiteral("Help"), notFoundPage(name.isEmpty() ? helpFile : name), QString());
        return false;
    }
    showPage(owner, stop.file, stop.title, stop.html, anchor);
    return true;
}

QString gstrfHelpViewerFile() { return viewer && viewer->isVisible() ? viewer->file : QString(); }
QString gstrfHelpViewerAnchor() { return viewer && viewer->isVisible() ? viewer->anchor : QString(); }
QString gstrfHelpViewerText() { return viewer && viewer->isVisible() ? viewer->browser->toPlainText() : QString(); }
