#pragma once

// The note icon strip: the symbols, each in a round of colours.

#include <QColor>
#include <QPainter>

#include <array>

extern const std::array<QColor, 8> aPalette;

// Neighbours differ in symbol; each further round through the symbols shifts
// the colour, so every symbol/colour pair occurs at most once and icon 0 is a
// yellow note sheet.
void DrawNoteIcon(QPainter& p, int n);
