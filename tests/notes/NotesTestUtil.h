#pragma once

#include "NoteRecord.h"

#include <QColor>
#include <QImage>
#include <QRect>

#include <string>

// A note with the fields the widgets show.
inline CNoteRecord MakeNote(const std::string& strTitle, int nPriority = 1, int nIcon = 0)
{
    CNoteRecord note;
    note.m_strKey = "20261207093000" + std::to_string(10 + nIcon);
    note.m_strTitle = strTitle;
    note.m_strComments = "about " + strTitle;
    note.m_nPriority = nPriority;
    note.m_nIcon = nIcon;
    return note;
}

// How many pixels of rc have exactly that colour.
inline int CountPixels(const QImage& image, const QRect& rc, const QColor& clr)
{
    int n = 0;
    const QRect area = rc.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if ((image.pixel(x, y) & 0xffffff) == (clr.rgb() & 0xffffff))
                ++n;
    return n;
}
