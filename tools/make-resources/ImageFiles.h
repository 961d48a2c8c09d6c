#pragma once

// Laying art on a key colour and writing files.

#include <QColor>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QString>

#include <functional>

// nCount images of nSize pixels side by side, each drawn in the 16 grid.
QImage Strip(int nCount, int nSize, QRgb key, QRgb substitute, const std::function<void(QPainter&, int)>& draw);
QImage Picture(int w, int h, const std::function<void(QPainter&)>& draw);

// Set once any Save fails.
extern bool g_bFailed;
void Save(const QDir& dir, const QString& name, const QImage& img);
