// The toolkit's floor for a drag: the least a Qt window can do per pointer
// move, for bench_xdrag to measure in the same run as the game. One 55 x 79
// picture follows the pointer over a 720 x 470 image; each move restores the
// old rectangle, draws the new one and repaints only those two.

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

namespace {
class FloorWindow : public QWidget {
public:
    FloorWindow()
        : mFelt(720, 470, QImage::Format_RGB32), mCard(55, 79, QImage::Format_RGB32)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setWindowTitle(QStringLiteral("bench_floor"));
        setFixedSize(mFelt.size());
        mFelt.fill(0xff206020);
        mCard.fill(0xffffffff);
        mShown = mFelt;
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter p(this);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        for (const QRect& r : event->region())
            p.drawImage(r.topLeft(), mShown, r);
    }
    void mousePressEvent(QMouseEvent* event) override { mAt = event->position().toPoint(); }
    void mouseMoveEvent(QMouseEvent* event) override
    {
        const QRect before(mAt, mCard.size());
        mAt = event->position().toPoint();
        const QRect after(mAt, mCard.size());
        QPainter p(&mShown);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(before.topLeft(), mFelt, before);
        p.drawImage(after.topLeft(), mCard);
        p.end();
        update(before);
        update(after);
    }

private:
    QImage mFelt, mCard, mShown;
    QPoint mAt;
};
}

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    FloorWindow window;
    window.show();
    return app.exec();
}
