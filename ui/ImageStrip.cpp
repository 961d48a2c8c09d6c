#include "ImageStrip.h"

#include "Resources.h"

#include <QGuiApplication>
#include <QImage>

namespace
{
// The bitmap with its pixels of clrMask made transparent; null when missing.
QImage LoadMasked(const QString& strPath, QColor clrMask)
{
    QImage strip(strPath);
    if (strip.isNull())
        return {};
    strip = strip.convertToFormat(QImage::Format_ARGB32);
    const QRgb mask = clrMask.rgb() & 0xffffff;
    for (int y = 0; y < strip.height(); ++y) {
        auto* pLine = reinterpret_cast<QRgb*>(strip.scanLine(y));
        for (int x = 0; x < strip.width(); ++x)
            if ((pLine[x] & 0xffffff) == mask)
                pLine[x] = 0;
    }
    return strip;
}
} // namespace

bool LoadImageStrip(int nId, int nWidth, std::vector<QPixmap>& images, QColor clrMask)
{
    images.clear();
    const QImage strip = LoadMasked(QuillboxResources::ImagePath(nId), clrMask);
    if (strip.isNull() || nWidth <= 0)
        return false;
    // A screen at more than 100% gets the drawings at twice the size, shown
    // at the same logical size.
    QImage large;
    if (qGuiApp && qGuiApp->devicePixelRatio() > 1)
        large = LoadMasked(QuillboxResources::ImagePath2x(nId), clrMask);
    const int nScale = !large.isNull() && large.size() == strip.size() * 2 ? 2 : 1;
    const QImage& source = nScale == 2 ? large : strip;
    const int nCount = strip.width() / nWidth;
    images.reserve(static_cast<size_t>(nCount));
    for (int i = 0; i < nCount; ++i) {
        QPixmap image = QPixmap::fromImage(source.copy(i * nWidth * nScale, 0, nWidth * nScale, source.height()));
        image.setDevicePixelRatio(nScale);
        images.push_back(image);
    }
    return true;
}
