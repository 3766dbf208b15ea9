// The help viewer: its keys, jumps that bring a topic's heading to the top,
// and where it opens beside the game window.

#include "core/helpplacement.h"
#include "core/helpviewer.h"
#include "core/platform.h"

#include <QApplication>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QtTest>

namespace {
QTextBrowser* viewerText()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("helpViewer") && w->isVisible())
            return w->findChild<QTextBrowser*>();
    return nullptr;
}
}

class TestHelpViewer : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void keysGoBackForwardAndClose();
    void jumpShowsTheHeadingAtTheTop_data();
    void jumpShowsTheHeadingAtTheTop();
    void opensWhereItHidesLeast_data();
    void opensWhereItHidesLeast();

private:
    QTemporaryDir mDir;
};

void TestHelpViewer::initTestCase()
{
    QFile file(mDir.path() + QStringLiteral("/Test.hlp"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QByteArray body = "<html><body><h2><a name=\"index\"></a>Contents</h2><p><a href=\"#context-20\">Commands</a></p>";
    for (int i = 0; i < 60; ++i)
        body += "<p>Some long line of rules text that fills the page.</p>";
    body += "<h2><a name=\"context-10\"></a>How To Play</h2>";
    for (int i = 0; i < 60; ++i)
        body += "<p>More rules.</p>";
    body += "<h2><a name=\"context-20\"></a>Commands</h2><p>Last topic, short.</p></body></html>";
    file.write(body);
    file.close();
    gsSetProgramFolder(mDir.path());
}

void TestHelpViewer::cleanup() { WinHelpA(nullptr, QString(), HELP_QUIT, 0); }

void TestHelpViewer::keysGoBackForwardAndClose()
{
    QVERIFY(WinHelpA(nullptr, QStringLiteral("Test.hlp"), HELP_INDEX, 0));
    QTextBrowser* text = viewerText();
    QVERIFY(text);
    QVERIFY(QTest::qWaitForWindowExposed(text->window()));
    // A followed link and a menu jump both count as steps.
    emit text->anchorClicked(QUrl(QStringLiteral("#context-20")));
    QCOMPARE(gstrfHelpViewerAnchor(), QStringLiteral("context-20"));
    QVERIFY(WinHelpA(nullptr, QStringLiteral("Test.hlp"), HELP_CONTEXT, 10));
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        const char* anchor;
    } steps[] = {{Qt::Key_Left, Qt::AltModifier, "context-20"}, {Qt::Key_Backspace, Qt::NoModifier, "index"},
                 {Qt::Key_Backspace, Qt::NoModifier, "index"},  {Qt::Key_Right, Qt::AltModifier, "context-20"},
                 {Qt::Key_Right, Qt::AltModifier, "context-10"}, {Qt::Key_Right, Qt::AltModifier, "context-10"}};
    for (const auto& s : steps) {
        QTest::keyClick(text, s.key, s.mods);
        QCOMPARE(gstrfHelpViewerAnchor(), QString::fromLatin1(s.anchor));
    }
    // Going back restores where the reader had scrolled to.
    text->verticalScrollBar()->setValue(40);
    QTest::keyClick(text, Qt::Key_Left, Qt::AltModifier);
    QTest::keyClick(text, Qt::Key_Right, Qt::AltModifier);
    QCOMPARE(text->verticalScrollBar()->value(), 40);
    QTest::keyClick(text, Qt::Key_Escape);
    QTRY_VERIFY(gstrfHelpViewerFile().isEmpty());
}

void TestHelpViewer::jumpShowsTheHeadingAtTheTop_data()
{
    QTest::addColumn<int>("context");
    QTest::addColumn<QString>("heading");
    QTest::newRow("middle topic") << 10 << "How To Play";
    QTest::newRow("last, short topic") << 20 << "Commands";
}

void TestHelpViewer::jumpShowsTheHeadingAtTheTop()
{
    QFETCH(int, context);
    QFETCH(QString, heading);
    QVERIFY(WinHelpA(nullptr, QStringLiteral("Test.hlp"), HELP_CONTEXT, context));
    QTextBrowser* text = viewerText();
    QVERIFY(QTest::qWaitForWindowExposed(text->window()));
    QCoreApplication::processEvents();
    // The first whole line at the top of the view is the heading.
    const QTextCursor top = text->cursorForPosition(QPoint(20, 8));
    QCOMPARE(top.block().text(), heading);
    const QRect line = text->cursorRect(top);
    QVERIFY2(line.top() >= 0 && line.top() < 12, qPrintable(QString::number(line.top())));
}

void TestHelpViewer::opensWhereItHidesLeast_data()
{
    QTest::addColumn<QRect>("owner");
    QTest::addColumn<QRect>("expected");
    const QSize v(520, 560);
    QTest::newRow("room on the right") << QRect(10, 100, 470, 339) << QRect(QPoint(480, 100), v);
    QTest::newRow("room on the left only") << QRect(540, 100, 470, 339) << QRect(QPoint(20, 100), v);
    QTest::newRow("narrower beside") << QRect(277, 214, 470, 339) << QRect(747, 208, 277, 560);
    QTest::newRow("no room beside") << QRect(152, 149, 720, 470) << QRect(504, 208, 520, 560);
    QTest::newRow("board fills screen") << QRect(0, 0, 1024, 768) << QRect(504, 0, 520, 560);
    QTest::newRow("no owner: centred") << QRect() << QRect(QPoint(252, 104), v);
}

void TestHelpViewer::opensWhereItHidesLeast()
{
    QFETCH(QRect, owner);
    QFETCH(QRect, expected);
    QCOMPARE(grectfHelpViewerPlace(QSize(520, 560), owner, QRect(0, 0, 1024, 768)), expected);
}

QTEST_MAIN(TestHelpViewer)
#include "tst_helpviewer.moc"
