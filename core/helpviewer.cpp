#include "core/helpviewer.h"

#include "core/platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
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

class HelpWindow : public QWidget {
public:
    HelpWindow()
    {
        setAttribute(Qt::WA_DeleteOnClose);
        setObjectName(QStringLiteral("helpViewer"));
        resize(520, 560);
        browser = new QTextBrowser(this);
        browser->setOpenLinks(true);
        browser->setOpenExternalLinks(false);
        browser->document()->setDocumentMargin(12);
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(browser);
    }
    QTextBrowser* browser;
    QString file;
    QString anchor;
};

QPointer<HelpWindow> viewer;

HelpWindow* ensureViewer()
{
    if (!viewer)
        viewer = new HelpWindow;
    return viewer;
}

// A newly opened viewer stands beside the window that asked for it, or
// centred on the screen when there is no room beside it.
void placeBeside(QWidget* viewerWindow, QWidget* owner)
{
    const int screenW = gintfScreenWidth();
    const int screenH = gintfScreenHeight();
    const QSize size = viewerWindow->frameGeometry().size();
    QPoint at((screenW - size.width()) / 2, (screenH - size.height()) / 2);
    if (owner) {
        const QRect area = owner->window()->frameGeometry();
        if (area.right() + 1 + size.width() <= screenW)
            at = QPoint(area.right() + 1, area.top());
        else if (area.left() - size.width() >= 0)
            at = QPoint(area.left() - size.width(), area.top());
    }
    viewerWindow->move(std::max(0, at.x()), std::max(0, at.y()));
}

void showPage(QWidget* owner, const QString& file, const QString& title, const QString& html, const QString& anchor)
{
    HelpWindow* w = ensureViewer();
    if (!w->isVisible())
        placeBeside(w, owner);
    w->browser->setHtml(html);
    w->file = file;
    w->anchor = anchor;
    const QString documentTitle = w->browser->documentTitle();
    w->setWindowTitle(documentTitle.isEmpty() ? title : documentTitle);
    w->show();
    w->raise();
    w->activateWindow();
    if (!anchor.isEmpty())
        w->browser->scrollToAnchor(anchor);
}

QString notFoundPage(const QString& path)
{
    return QStringLiteral("<html><body><h3>Help file not available</h3><p>Cannot open the help file "
                          "\"%1\".</p><p>Make sure the file is in the program's folder and can be read.</p>"
                          "</body></html>")
        .arg(path.toHtmlEscaped());
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

    // Only a bare name from the program's own folder is opened.
    const QString name = QFileInfo(helpFile).fileName();
    const QString path = gstrfProgramFolder() + QLatin1Char('/') + name;
    QFile file(path);
    if (name.isEmpty() || !file.open(QIODevice::ReadOnly) || file.size() > kMaxHelpFileBytes) {
        showPage(owner, QString(), QStringLiteral("Help"), notFoundPage(name.isEmpty() ? helpFile : name), QString());
        return false;
    }
    const QString html = QString::fromUtf8(file.readAll());
    showPage(owner, name, name, html, anchor);
    return true;
}

QString gstrfHelpViewerFile() { return viewer && viewer->isVisible() ? viewer->file : QString(); }
QString gstrfHelpViewerAnchor() { return viewer && viewer->isVisible() ? viewer->anchor : QString(); }
QString gstrfHelpViewerText() { return viewer && viewer->isVisible() ? viewer->browser->toPlainText() : QString(); }
