#include "NoteImageList.h"

#include "ImageStrip.h"

bool CNoteImageList::Create(int nStripId, int nSize)
{
    m_nSize = nSize;
    return LoadImageStrip(nStripId, nSize, m_images);
}

QPixmap CNoteImageList::GetImage(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetImageCount() ? m_images[static_cast<size_t>(nIndex)] : QPixmap();
}
