#pragma once

#include <QPixmap>

#include <vector>

// The note icons of one size, cut from their strip with white made
// transparent; the image at index n is the icon of a note with m_nIcon n.
class CNoteImageList
{
public:
    // Cuts strip nStripId into nSize-pixel images; false when the strip is missing.
    bool Create(int nStripId, int nSize);
    void Clear() { m_images.clear(); }

    int GetImageSize() const { return m_nSize; }
    int GetImageCount() const { return static_cast<int>(m_images.size()); }
    // A null pixmap for an index out of range.
    QPixmap GetImage(int nIndex) const;

private:
    std::vector<QPixmap> m_images;
    int m_nSize = 0;
};
