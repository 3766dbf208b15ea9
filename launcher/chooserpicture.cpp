#include "launcher/chooserpicture.h"

namespace {
QImage load2x()
{
    QImage picture(QStringLiteral(":/chooser-2x.bmp"));
    picture.setDevicePixelRatio(2);
    return picture;
}
}

const QImage& gimgfChooserPicture(qreal devicePixelRatio)
{
    static const QImage picture1x(QStringLiteral(":/chooser.bmp"));
    static const QImage picture2x = load2x();
    // Past 2 the finest picture is enlarged by the painter, never smoothed.
    return devicePixelRatio >= 2 && !picture2x.isNull() ? picture2x : picture1x;
}
