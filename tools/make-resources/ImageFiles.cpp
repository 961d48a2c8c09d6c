#include "ImageFiles.h"

#include <algorithm>
#include <cstdio>

namespace
{
// Pixels this faint are left as key colour: a ring of near-key pixels would
// show as a halo on a coloured selection background.
constexpr int nMinAlpha = 56;

QImage Flatten(const QImage& art, QRgb key, QRgb substitute)
{
    QImage out(art.size(), QImage::Format_RGB32);
    const int kr = qRed(key), kg = qGreen(key), kb = qBlue(key);
    for (int y = 0; y < art.height(); ++y) {
        const auto* src = reinterpret_cast<const QRgb*>(art.constScanLine(y));
        auto* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < art.width(); ++x) {
            const QRgb s = src[x]; // premultiplied
            const int a = qAlpha(s);
            if (a < nMinAlpha) {
                dst[x] = qRgb(kr, kg, kb);
                continue;
            }
            const int r = qRed(s) + kr * (255 - a) / 255;
            const int g = qGreen(s) + kg * (255 - a) / 255;
            const int b = qBlue(s) + kb * (255 - a) / 255;
            QRgb c = qRgb(std::min(r, 255), std::min(g, 255), std::min(b, 255));
            if ((c & 0xffffffu) == (key & 0xffffffu))
                c = substitute;
            dst[x] = c;
        }
    }
    return out;
}
} // namespace

QImage Strip(int nCount, int nSize, QRgb key, QRgb substitute, const std::function<void(QPainter&, int)>& draw)
{
    QImage strip(nCount * nSize, nSize, QImage::Format_RGB32);
    strip.fill(key | 0xff000000u);
    QPainter ps(&strip);
    for (int i = 0; i < nCount; ++i) {
        QImage art(nSize, nSize, QImage::Format_ARGB32_Premultiplied);
        art.fill(Qt::transparent);
        {
            QPainter p(&art);
            p.setRenderHint(QPainter::Antialiasing);
            p.scale(nSize / 16.0, nSize / 16.0);
            draw(p, i);
        }
        ps.drawImage(i * nSize, 0, Flatten(art, key, substitute));
    }
    return strip;
}

QImage Picture(int w, int h, const std::function<void(QPainter&)>& draw)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    draw(p);
    return img;
}

bool g_bFailed = false;

void Save(const QDir& dir, const QString& name, const QImage& img)
{
    const QString path = dir.filePath(name);
    if (!img.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        g_bFailed = true;
        return;
    }
    std::printf("%s %dx%d\n", qPrintable(path), img.width(), img.height());
}
