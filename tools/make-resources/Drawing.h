#pragma once

// The pieces every drawing is made of: colour mixing, shapes in the 16-unit
// design grid, and the pens and brushes to lay them down with.

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>

#include <initializer_list>

// Inside a drawing, "white" is this, so that it stays opaque under a white key.
extern const QColor clrPaper;

// Width of outlines in the 16-unit design grid. One unit lands on whole pixels
// at both 16 and 32 pixels, which keeps the outlines crisp.
constexpr double dOutline = 1.0;

QColor Mix(const QColor& a, const QColor& b, double t);
QColor Light(const QColor& c, double t);
QColor Dark(const QColor& c);

QPainterPath Circle(double cx, double cy, double r);
QPainterPath Ellipse(double cx, double cy, double rx, double ry, double angle = 0);
QPainterPath Rect(double x, double y, double w, double h, double r = 0);
QPainterPath Poly(std::initializer_list<QPointF> pts);

void Shape(QPainter& p, const QPainterPath& path, const QColor& fill, const QColor& line, double width = dOutline);
void Fill(QPainter& p, const QPainterPath& path, const QColor& fill);
void Stroke(QPainter& p, const QPainterPath& path, const QColor& c, double width);
void Line(QPainter& p, QPointF a, QPointF b, const QColor& c, double width);
// A one-pixel-high bar on the 16 grid, for text lines that must not blur.
void Bar(QPainter& p, double x, double y, double w, const QColor& c);
