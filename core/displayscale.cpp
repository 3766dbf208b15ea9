#include "core/displayscale.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QList>
#include <algorithm>
#include <cmath>

namespace {
// Far beyond any real screen; keeps a nonsense factor from asking for
// boards of gigabytes.
constexpr int kMaxScale = 8;

bool parseFactor(const QByteArray& text, double& factor)
{
    bool ok = false;
    factor = text.trimmed().toDouble(&ok);
    return ok && std::isfinite(factor);
}
}

int gintfWholeScale(double adblRatio)
{
    if (!std::isfinite(adblRatio) || adblRatio < 1.0)
        return 1;
    return std::min(kMaxScale, std::max(1, static_cast<int>(std::floor(adblRatio + 0.5))));
}

QByteArray gstrfWholeScreenFactors(const QByteArray& astrFactors)
{
    QList<QByteArray> out;
    for (const QByteArray& entry : astrFactors.split(';')) {
        if (entry.trimmed().isEmpty())
            continue;
        const qsizetype equals = entry.indexOf('=');
        const QByteArray name = equals >= 0 ? entry.left(equals + 1) : QByteArray();
        double factor = 1.0;
        parseFactor(equals >= 0 ? entry.mid(equals + 1) : entry, factor);
        out.append(name + QByteArray::number(gintfWholeScale(factor)));
    }
    return out.join(';');
}

int gintfFittingScale(int aintDesktopScale, const QSize& available, const QSize& frame,
                      const std::function<QSize(int aintScreenWidth)>& largestWindow)
{
    int scale = std::clamp(aintDesktopScale, 1, kMaxScale);
    for (; scale > 1; --scale) {
        const QSize window = largestWindow(available.width() / scale) * scale + frame;
        if (window.width() <= available.width() && window.height() <= available.height())
            break;
    }
    return scale;
}

void gsUseWholeScale()
{
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) {
        double factor = 1.0;
        parseFactor(qgetenv("QT_SCALE_FACTOR"), factor);
        qputenv("QT_SCALE_FACTOR", QByteArray::number(gintfWholeScale(factor)));
    }
    if (qEnvironmentVariableIsSet("QT_SCREEN_SCALE_FACTORS"))
        qputenv("QT_SCREEN_SCALE_FACTORS", gstrfWholeScreenFactors(qgetenv("QT_SCREEN_SCALE_FACTORS")));
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
}
