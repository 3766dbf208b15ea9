#include "core/msgbox.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>

namespace {
MessageBoxHook& hook()
{
    static MessageBoxHook h;
    return h;
}
}

void gsSetMessageBoxHook(MessageBoxHook h) { hook() = std::move(h); }

QPixmap gpixfMessageIcon(MsgIcon icon, qreal devicePixelRatio)
{
    if (icon == MsgIcon::None)
        return {};
    const int side = QApplication::style()->pixelMetric(QStyle::PM_MessageBoxIconSize);
    const qreal ratio = std::max<qreal>(1.0, devicePixelRatio);
    QPixmap pixmap(QSize(side, side) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // Drawn on a 32-unit square, whatever the style's size.
    p.scale(side / 32.0, side / 32.0);
    const QColor outline(0, 0, 0, 150);
    p.setPen(QPen(outline, 1.0));
    if (icon == MsgIcon::Exclamation) {
        QPainterPath triangle;
        triangle.moveTo(16, 2);
        triangle.lineTo(30.5, 29);
        triangle.lineTo(1.5, 29);
        triangle.closeSubpath();
        p.setBrush(QColor(250, 200, 30));
        p.drawPath(triangle);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawRoundedRect(QRectF(14.5, 10, 3, 11), 1.5, 1.5);
        p.drawEllipse(QPointF(16, 24.5), 1.8, 1.8);
    } else {
        p.setBrush(icon == MsgIcon::Information ? QColor(40, 110, 220) : QColor(210, 40, 40));
        p.drawEllipse(QRectF(1.5, 1.5, 29, 29));
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        if (icon == MsgIcon::Information) {
            p.drawEllipse(QPointF(16, 9.5), 2.2, 2.2);
            p.drawRoundedRect(QRectF(14, 13.5, 4, 11.5), 1.5, 1.5);
        } else {
            p.setPen(QPen(Qt::white, 3.5, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(10.5, 10.5), QPointF(21.5, 21.5));
            p.drawLine(QPointF(21.5, 10.5), QPointF(10.5, 21.5));
        }
    }
    return pixmap;
}

void gMsgBox(const QString& text, const QString& title, MsgIcon icon)
{
    if (hook()) {
        hook()({text, title, icon});
        return;
    }
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title);
    box.setText(text);
    switch (icon) {
    case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    }
    // The stock pictures are small ones smoothed up on a 2x screen: the box
    // keeps its kind of icon but shows one drawn for its screen.
    if (icon != MsgIcon::None) {
        const QPixmap sharp = gpixfMessageIcon(icon, box.devicePixelRatioF());
        if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgboxex_icon_label")))
            label->setPixmap(sharp);
        else
            box.setIconPixmap(sharp);
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}
