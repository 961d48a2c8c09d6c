#pragma once

#include <QColor>
#include <QPixmap>

#include <vector>

// Cuts the bitmap resource nId into images nWidth wide, pixels of clrMask
// made transparent. False, with the list empty, when the bitmap is missing.
// On a screen at more than 100% the images come from the bitmap's double-size
// drawing, with a device pixel ratio of 2.
bool LoadImageStrip(int nId, int nWidth, std::vector<QPixmap>& images, QColor clrMask = Qt::white);
