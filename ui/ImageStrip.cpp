#include "ImageStrip.h"

#include "Resources.h"

#include <QImage>

bool LoadImageStrip(int nId, int nWidth, std::vector<QPixmap>& images, QColor clrMask)
{
    images.clear();
    QImage strip(QuillboxResources::ImagePath(nId));
    if (strip.isNull() || nWidth <= 0)
        return false;
    strip = strip.convertToFormat(QImage::Format_ARGB32);
    const QRgb mask = clrMask.rgb() & 0xffffff;
    for (int y = 0; y < strip.height(); ++y) {
        auto* pLine = reinterpret_cast<QRgb*>(strip.scanLine(y));
        for (int x = 0; x < strip.width(); ++x)
            if ((pLine[x] & 0xffffff) == mask)
                pLine[x] = 0;
    }
    const int nCount = strip.width() / nWidth;
    images.reserve(static_cast<size_t>(nCount));
    for (int i = 0; i < nCount; ++i)
        images.push_back(QPixmap::fromImage(strip.copy(i * nWidth, 0, nWidth, strip.height())));
    return true;
}
