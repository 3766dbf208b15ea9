#include "core/frmCards.h"

#include "core/errors.h"
#include "core/modCards.h"

#include <array>

namespace {
struct PictureStore {
    std::array<QImage, kCardBack + 1> pictures;
    PictureStore()
    {
        for (int n = 1; n <= kCardBack; ++n) {
            QImage raw(QStringLiteral(":/cards/%1.bmp").arg(n, 2, 10, QLatin1Char('0')));
            if (raw.isNull()) {
                // A missing picture still draws as a plain card-sized block.
                raw = QImage(kCardWidth, kCardHeight, QImage::Format_RGB32);
                raw.fill(Qt::white);
            }
            pictures[n] = raw.convertToFormat(QImage::Format_RGB32);
        }
    }
};
}

const QImage& frmCards::imgCard(int index)
{
    static const PictureStore store;
    if (index < 1 || index > kCardBack)
        throw RuntimeError(err::SubscriptOutOfRange, QStringLiteral("Subscript out of range"));
    return store.pictures[index];
}
