// The program's icon: the committed pictures are usable icons at every size,
// the compiled-in copy is what is committed, and every kind of window the
// program opens shows it rather than a stock icon of its own.

#include "core/displayscale.h"
#include "core/helpviewer.h"
#include "core/platform.h"
#include "core/programicon.h"
#include "launcher/frmAbout.h"
#include "launcher/frmMenu.h"
#include "order/frmOrder.h"
#include "window/frmMain.h"
#include "windowtestbase.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

namespace {
const int kSizes[] = {16, 24, 32, 48, 64, 96, 128, 256, 512};

QString committedIcon(int size)
{
    return QStringLiteral(QUILLET_SOURCE_DIR "/assets/icons/quillet-%1.png").arg(size);
}

QWidget* helpViewer()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("helpViewer") && w->isVisible())
            return w;
    return nullptr;
}

using Opener = std::function<QWidget*()>;
}
Q_DECLARE_METATYPE(Opener)

class TestProgramIcon : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void pictureIsAnIcon_data();
    void pictureIsAnIcon();
    void everyWindowShowsIt_data();
    void everyWindowShowsIt();

private:
    QTemporaryDir mDir;
    WindowFixture* mGame = nullptr;
};

void TestProgramIcon::initTestCase()
{
    gsUseProgramIcon();
    QFile help(mDir.path() + QStringLiteral("/Golf.hlp"));
    QVERIFY(help.open(QIODevice::WriteOnly));
    help.write("<html><body><h2><a name=\"index\"></a>Contents</h2></body></html>");
    help.close();
    gsSetProgramFolder(mDir.path());
}

void TestProgramIcon::cleanup()
{
    WinHelpA(nullptr, QString(), HELP_QUIT, 0);
    delete mGame;
    mGame = nullptr;
}

void TestProgramIcon::pictureIsAnIcon_data()
{
    QTest::addColumn<int>("size");
    for (int size : kSizes)
        QTest::addRow("%dx%d", size, size) << size;
}

void TestProgramIcon::pictureIsAnIcon()
{
    QFETCH(int, size);
    const QImage committed(committedIcon(size));
    QVERIFY2(!committed.isNull(), qPrintable(committedIcon(size)));
    QCOMPARE(committed.size(), QSize(size, size));
    QVERIFY(committed.hasAlphaChannel());
    // Rounded corners are see-through on any panel; the middle is solid.
    QCOMPARE(qAlpha(committed.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(committed.pixel(size - 1, size - 1)), 0);
    QCOMPARE(qAlpha(committed.pixel(size / 2, size / 2)), 255);

    // The program carries exactly the committed picture at this size.
    const QIcon icon = gicofProgramIcon();
    QVERIFY(icon.availableSizes().contains(QSize(size, size)));
    const QImage shipped = icon.pixmap(QSize(size, size)).toImage().convertToFormat(QImage::Format_ARGB32);
    // A pixmap holds premultiplied pixels: compare after the same round trip,
    // whose rounding of see-through edges differs between processors.
    QCOMPARE(shipped, committed.convertToFormat(QImage::Format_ARGB32_Premultiplied).convertToFormat(QImage::Format_ARGB32));
}

void TestProgramIcon::everyWindowShowsIt_data()
{
    QTest::addColumn<Opener>("open");
    QTest::newRow("chooser") << Opener([] { return new frmMenu; });
    QTest::newRow("game window") << Opener([this] {
        mGame = new WindowFixture;
        return mGame->open(6);
    });
    QTest::newRow("about box") << Opener([] { return new frmAbout; });
    QTest::newRow("order form") << Opener([] { return new frmOrder; });
    QTest::newRow("help viewer") << Opener([] {
        return WinHelpA(nullptr, QStringLiteral("Golf.hlp"), HELP_INDEX, 0) ? helpViewer() : nullptr;
    });
}

void TestProgramIcon::everyWindowShowsIt()
{
    QFETCH(Opener, open);
    QWidget* window = open();
    QVERIFY(window);
    // The game window is owned by its fixture and the viewer by the help
    // layer; the rest are this test's to delete.
    std::unique_ptr<QWidget> owned;
    if (!mGame && window->objectName() != QLatin1String("helpViewer"))
        owned.reset(window);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const QIcon shown = window->windowIcon();
    QCOMPARE(shown.cacheKey(), QApplication::windowIcon().cacheKey());
    // Title bars and switchers get the sizes they draw at this scale; the
    // desktop's menus take the large ones from the installed theme icons.
    const int scale = gintfWholeScale(window->devicePixelRatioF());
    for (int size : {16, 32, 48, 64 * scale})
        QVERIFY2(shown.availableSizes().contains(QSize(size, size)), qPrintable(QString::number(size)));
    QVERIFY(!shown.availableSizes().contains(QSize(128 * scale, 128 * scale)));
}

QTEST_MAIN(TestProgramIcon)
#include "tst_programicon.moc"
