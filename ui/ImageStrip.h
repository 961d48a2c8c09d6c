#pragma once

#include <QColor>
#include <QPixmap>

#include <vector>

// Cuts the bitmap resource nId into images nWidth wide, pixels of clrMask
// made transparent. False, with the list empty, when the bitmap is missing.
bool LoadImageStrip(int nId, int nWidth, std::vector<QPixmap>& images, QColor clrMask = Qt::white);
