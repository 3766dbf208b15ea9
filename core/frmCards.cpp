#include "core/frmCards.h"

#include "core/errors.h"
#include "core/modCards.h"

#include <array>

namespace {
struct PictureStore {
    std::array<QImage, kCardBack + 1> pictures;
    // folder is where in the resources the pictures lie, scale their size.
    PictureStore(const QString& folder, int scale)
    {
        for (int n = 1; n <= kCardBack; ++n) {
            QImage raw(QStringLiteral(":/%1%2.bmp").arg(folder).arg(n, 2, 10, QLatin1Char('0')));
            if (raw.isNull()) {
                // A missing picture still draws as a plain card-sized block.
                raw = QImage(kCardWidth * scale, kCardHeight * scale, QImage::Format_RGB32);
                raw.fill(Qt::white);
            }
            pictures[n] = raw.convertToFormat(QImage::Format_RGB32);
        }
    }
    const QImage& at(int index) const
    {
        if (index < 1 || index > kCardBack)
            throw RuntimeError(err::SubscriptOutOfRange, QStringLiteral("Subscript out of range"));
        return pictures[index];
    }
};
}

const QImage& frmCards::imgCard(int index)
{
    static const PictureStore store(QStringLiteral("cards/"), 1);
    return store.at(index);
}

const QImage& frmCards::imgCard2x(int index)
{
    static const PictureStore store(QStringLiteral("cards/2x/"), 2);
    return store.at(index);
}
