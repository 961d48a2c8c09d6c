#include "NoteImageList.h"

#include "Resources.h"

#include <QImage>

bool CNoteImageList::Create(int nStripId, int nSize)
{
    m_images.clear();
    m_nSize = nSize;
    QImage strip(QuillboxResources::ImagePath(nStripId));
    if (strip.isNull() || nSize <= 0)
        return false;
    strip = strip.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < strip.height(); ++y)
    {
        auto* pLine = reinterpret_cast<QRgb*>(strip.scanLine(y));
        for (int x = 0; x < strip.width(); ++x)
            if ((pLine[x] & 0xffffff) == 0xffffff)
                pLine[x] = 0;
    }
    const int nCount = strip.width() / nSize;
    m_images.reserve(static_cast<size_t>(nCount));
    for (int i = 0; i < nCount; ++i)
        m_images.push_back(QPixmap::fromImage(strip.copy(i * nSize, 0, nSize, strip.height())));
    return true;
}

QPixmap CNoteImageList::GetImage(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetImageCount() ? m_images[static_cast<size_t>(nIndex)] : QPixmap();
}
