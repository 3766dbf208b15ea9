#include "core/scaledcards.h"

#include "core/blit.h"
#include "core/errors.h"
#include "core/frmCards.h"
#include "core/modCards.h"

#include <map>
#include <memory>

ScaledCards::ScaledCards(int scale) : mScale(scale)
{
    // At 1 and 2 these share the stored pictures' pixels; only the drawing
    // the scale is made from is ever read.
    const bool from2x = gintfDrawnScale(scale) == 2;
    for (int n = 1; n <= kCardBack; ++n)
        mPictures[n] = gimgfAtScale(from2x ? frmCards::imgCard2x(n) : frmCards::imgCard(n), scale);
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
