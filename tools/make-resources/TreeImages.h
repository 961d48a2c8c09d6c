#pragma once

// The folder tree's images.

#include <QColor>
#include <QPainter>

extern const QColor clrFolder;
extern const QColor clrFolderDark;

void DrawTreeImage(QPainter& p, int n);
