#include "core/scaledcards.h"

#include "core/blit.h"
#include "core/errors.h"
#include "core/frmCards.h"
#include "core/modCards.h"

#include <map>
#include <memory>

ScaledCards::ScaledCards(int scale) : mScale(scale)
{
    // 1 and 2 are drawn sizes: the stored pictures themselves, no copy.
    const bool fromDouble = scale % 2 == 0;
    const int blocks = fromDouble ? scale / 2 : scale;
    for (int n = 1; n <= kCardBack; ++n) {
        const QImage& drawn = fromDouble ? frmCards::imgCard2x(n) : frmCards::imgCard(n);
        mPictures[n] = blocks == 1 ? drawn : gimgfScaleBlocks(drawn, blocks);
    }
}

const ScaledCards& ScaledCards::forScale(int scale)
{
    static std::map<int, std::unique_ptr<ScaledCards>> sets;
    scale = std::max(1, scale);
    auto& set = sets[scale];
    if (!set)
        set.reset(new ScaledCards(scale));
    return *set;
}

const QImage& ScaledCards::picture(int index) const
{
    if (index < 1 || index > kCardBack)
        throw RuntimeError(err::SubscriptOutOfRange, QStringLiteral("Subscript out of range"));
    return mPictures[index];
}
