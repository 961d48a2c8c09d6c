#pragma once

#include <QColor>
#include <QPalette>

// Colours painted by hand that must stay readable under any palette. The
// light look keeps the program's own colours; a dark palette lends its own
// for the plain texts and backgrounds, and every coloured text is moved just
// far enough from its background to be read.
namespace ThemeColours
{
// The least contrast between a text and its background.
constexpr double dMinContrast = 4.5;

// The relative luminance of a colour, 0 for black to 1 for white.
double Luminance(const QColor& clr);
// The contrast ratio of two opaque colours, 1 to 21.
double Contrast(const QColor& clrA, const QColor& clrB);
// True when the palette shows light text on a dark base.
bool IsDark(const QPalette& pal);

// clrLight under a light palette, the palette's role under a dark one.
QColor Follow(const QColor& clrLight, const QPalette& pal, QPalette::ColorRole role);
// clrText itself when it reaches the least contrast on clrBack; otherwise the
// same hue made darker or lighter, whichever gets there with less change.
QColor Readable(const QColor& clrText, const QColor& clrBack);
} // namespace ThemeColours
