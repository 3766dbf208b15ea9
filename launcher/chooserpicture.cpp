#include "launcher/chooserpicture.h"

#include "core/blit.h"
#include "core/displayscale.h"

#include <map>

const QImage& gimgfChooserPicture(qreal devicePixelRatio)
{
    static std::map<int, QImage> pictures;
    const int scale = gintfWholeScale(devicePixelRatio);
    QImage& picture = pictures[scale];
    if (picture.isNull()) {
        // Only the drawing this scale is made from is read; without the 2x
        // drawing the 1x one serves, in blocks.
        QImage drawn;
        if (gintfDrawnScale(scale) == 2)
            drawn = QImage(QStringLiteral(":/chooser-2x.bmp"));
        picture = drawn.isNull() ? gimgfScaleBlocks(QImage(QStringLiteral(":/chooser.bmp")), scale)
                                 : gimgfAtScale(drawn, scale);
        picture.setDevicePixelRatio(scale);
    }
    return picture;
}
