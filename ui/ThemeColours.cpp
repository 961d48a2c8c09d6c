#include "ThemeColours.h"

#include <cmath>

namespace ThemeColours
{
namespace
{
double Linear(double c)
{
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// clr moved toward clrTarget by the fraction t, channel by channel.
QColor Mix(const QColor& clr, const QColor& clrTarget, double t)
{
    auto channel = [t](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * t)); };
    return QColor(channel(clr.red(), clrTarget.red()), channel(clr.green(), clrTarget.green()),
                  channel(clr.blue(), clrTarget.blue()));
}

// The least mix of clrText toward clrTarget that reaches the least contrast,
// or an invalid colour when even clrTarget does not.
QColor MixUntilReadable(const QColor& clrText, const QColor& clrTarget, const QColor& clrBack)
{
    if (Contrast(clrTarget, clrBack) < dMinContrast)
        return {};
    double lo = 0, hi = 1;
    for (int i = 0; i < 20; ++i) {
        const double mid = (lo + hi) / 2;
        (Contrast(Mix(clrText, clrTarget, mid), clrBack) >= dMinContrast ? hi : lo) = mid;
    }
    // Rounding to whole channels may land a hair short; step on until it holds.
    QColor clr = Mix(clrText, clrTarget, hi);
    for (double t = hi; Contrast(clr, clrBack) < dMinContrast && t < 1; t = std::min(1.0, t + 0.01))
        clr = Mix(clrText, clrTarget, t);
    return clr;
}
} // namespace

double Luminance(const QColor& clr)
{
    const QColor rgb = clr.toRgb();
    return 0.2126 * Linear(rgb.redF()) + 0.7152 * Linear(rgb.greenF()) + 0.0722 * Linear(rgb.blueF());
}

double Contrast(const QColor& clrA, const QColor& clrB)
{
    const double a = Luminance(clrA), b = Luminance(clrB);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

bool IsDark(const QPalette& pal)
{
    return Luminance(pal.color(QPalette::Base)) < Luminance(pal.color(QPalette::Text));
}

QColor Follow(const QColor& clrLight, const QPalette& pal, QPalette::ColorRole role)
{
    return IsDark(pal) ? pal.color(role) : clrLight;
}

QColor Readable(const QColor& clrText, const QColor& clrBack)
{
    const QColor text = clrText.toRgb();
    if (Contrast(text, clrBack) >= dMinContrast)
        return text;
    const QColor darker = MixUntilReadable(text, Qt::black, clrBack);
    const QColor lighter = MixUntilReadable(text, Qt::white, clrBack);
    if (!darker.isValid())
        return lighter.isValid() ? lighter : QColor(Luminance(clrBack) > 0.18 ? Qt::black : Qt::white);
    if (!lighter.isValid())
        return darker;
    // The nearer of the two keeps more of the colour.
    auto distance = [&text](const QColor& c) {
        return std::abs(c.red() - text.red()) + std::abs(c.green() - text.green()) + std::abs(c.blue() - text.blue());
    };
    return distance(darker) <= distance(lighter) ? darker : lighter;
}
} // namespace ThemeColours
