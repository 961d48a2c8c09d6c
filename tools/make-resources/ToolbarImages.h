#pragma once

// Toolbar: the base drawings leave the lower right corner for a badge.

#include <QPainter>

void DrawToolbarImage(QPainter& p, int n);
