#include "launcher/chooserpicture.h"

#include "core/blit.h"
#include "core/displayscale.h"

#include <map>

const QImage& gimgfChooserPicture(qreal devicePixelRatio)
{
    static const QImage drawn1x(QStringLiteral(":/chooser.bmp"));
    static const QImage drawn2x(QStringLiteral(":/chooser-2x.bmp"));
    static std::map<int, QImage> pictures;
    int scale = gintfWholeScale(devicePixelRatio);
    if (drawn2x.isNull())
        scale = 1;
    QImage& picture = pictures[scale];
    if (picture.isNull()) {
        picture = gimgfAtScale(drawn1x, drawn2x, scale);
        picture.setDevicePixelRatio(scale);
    }
    return picture;
}
