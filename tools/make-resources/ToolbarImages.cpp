#include "ToolbarImages.h"

#include "Drawing.h"
#include "TreeImages.h"

#include <QRadialGradient>

#include <array>

namespace
{
const QColor clrNote(255, 226, 110);
const QColor clrNoteDark(165, 125, 25);
const QColor clrWindow(60, 80, 125);
const QColor clrTitle(70, 115, 200);

void SmallFolder(QPainter& p)
{
    Shape(p, Poly({{0.5, 2.5}, {5, 2.5}, {6.5, 4}, {12.5, 4}, {12.5, 12.5}, {0.5, 12.5}}),
          Mix(clrFolder, clrFolderDark, 0.3), clrFolderDark);
    Shape(p, Rect(0.5, 5.5, 12, 7), clrFolder, clrFolderDark);
    Bar(p, 1, 6, 11, Light(clrFolder, 0.5));
}

void SmallNote(QPainter& p)
{
    Shape(p, Poly({{1.5, 0.5}, {9.5, 0.5}, {12.5, 3.5}, {12.5, 13.5}, {1.5, 13.5}}), clrNote, clrNoteDark);
    Shape(p, Poly({{9.5, 0.5}, {9.5, 3.5}, {12.5, 3.5}}), Light(clrNote, 0.7), clrNoteDark);
    for (double y : {5.0, 7.0, 9.0})
        Bar(p, 3.5, y, 7, QColor(200, 150, 40));
}

void BadgePlus(QPainter& p)
{
    Shape(p,
          Poly({{10.8, 8.2},
                {13.2, 8.2},
                {13.2, 10.8},
                {15.8, 10.8},
                {15.8, 13.2},
                {13.2, 13.2},
                {13.2, 15.8},
                {10.8, 15.8},
                {10.8, 13.2},
                {8.2, 13.2},
                {8.2, 10.8},
                {10.8, 10.8}}),
          QColor(70, 185, 70), QColor(20, 90, 20), 0.9);
}

void BadgeCross(QPainter& p)
{
    QPainterPath x;
    x.moveTo(9.3, 9.3);
    x.lineTo(14.7, 14.7);
    x.moveTo(14.7, 9.3);
    x.lineTo(9.3, 14.7);
    Stroke(p, x, QColor(120, 15, 15), 3.4);
    Stroke(p, x, QColor(235, 60, 50), 1.8);
}

void BadgePencil(QPainter& p)
{
    p.save();
    p.translate(11.2, 10.8);
    p.rotate(-45);
    const QColor line(80, 55, 30);
    Shape(p, Poly({{-3.5, -1.4}, {-6.3, 0}, {-3.5, 1.4}}), QColor(245, 215, 165), line, 0.8);
    Fill(p, Poly({{-5.3, -0.5}, {-6.3, 0}, {-5.3, 0.5}}), QColor(40, 40, 40));
    Shape(p, Rect(-3.5, -1.4, 7, 2.8), QColor(245, 175, 40), line, 0.8);
    Shape(p, Rect(3.5, -1.4, 2, 2.8), QColor(230, 110, 125), line, 0.8);
    p.restore();
}

void Magnifier(QPainter& p, double cx, double cy, double r)
{
    const double d = r * 0.72;
    Line(p, {cx + d, cy + d}, {cx + r * 1.75, cy + r * 1.75}, QColor(50, 35, 25), r * 0.85);
    Line(p, {cx + d, cy + d}, {cx + r * 1.7, cy + r * 1.7}, QColor(150, 95, 45), r * 0.45);
    Shape(p, Circle(cx, cy, r), QColor(205, 228, 250), QColor(45, 55, 80), r * 0.35);
    QPainterPath g;
    g.arcMoveTo(QRectF(cx - r * 0.6, cy - r * 0.6, r * 1.2, r * 1.2), 100);
    g.arcTo(QRectF(cx - r * 0.6, cy - r * 0.6, r * 1.2, r * 1.2), 100, 70);
    Stroke(p, g, clrPaper, r * 0.22);
}

void WindowFrame(QPainter& p)
{
    Shape(p, Rect(1.5, 1.5, 13, 13), clrPaper, clrWindow);
    p.fillRect(QRectF(2, 2, 12, 2.5), clrTitle);
}
} // namespace

void DrawToolbarImage(QPainter& p, int n)
{
    switch (n) {
    case 0:
        SmallFolder(p);
        BadgePlus(p);
        break;
    case 1:
        SmallFolder(p);
        BadgePencil(p);
        break;
    case 2:
        SmallFolder(p);
        BadgeCross(p);
        break;
    case 3:
    case 4: {
        // Centred on a pixel column, so the one-pixel signs sit in the middle.
        const QColor arrow(45, 105, 205);
        const QColor arrowDark(20, 50, 120);
        if (n == 3) {
            Shape(p, Poly({{7.5, 0.5}, {4, 4}, {11, 4}}), arrow, arrowDark, 0.8);
            Shape(p, Poly({{7.5, 15.5}, {4, 12.2}, {11, 12.2}}), arrow, arrowDark, 0.8);
        } else {
            Shape(p, Poly({{4, 0.6}, {11, 0.6}, {7.5, 4.1}}), arrow, arrowDark, 0.8);
            Shape(p, Poly({{4, 15.4}, {11, 15.4}, {7.5, 12.1}}), arrow, arrowDark, 0.8);
        }
        Shape(p, Rect(2.5, 5.5, 10, 6), clrPaper, QColor(70, 70, 85));
        p.fillRect(QRectF(5, 8, 5, 1), QColor(30, 30, 40));
        if (n == 3)
            p.fillRect(QRectF(7, 6, 1, 5), QColor(30, 30, 40));
        break;
    }
    case 5:
        SmallNote(p);
        BadgePlus(p);
        break;
    case 6:
        SmallNote(p);
        BadgePencil(p);
        break;
    case 7:
        SmallNote(p);
        BadgeCross(p);
        break;
    case 8: {
        WindowFrame(p);
        const std::array<QColor, 3> dots = {QColor(245, 175, 40), QColor(222, 70, 60), QColor(80, 175, 65)};
        for (int r = 0; r < 3; ++r) {
            p.fillRect(QRectF(3, 6 + r * 2.7, 2, 2), dots[static_cast<size_t>(r)]);
            Bar(p, 6, 6.5 + r * 2.7, r == 1 ? 5 : 7, QColor(90, 90, 100));
        }
        break;
    }
    case 9:
        Shape(p, Rect(1.5, 2.5, 13, 11, 1.5), clrPaper, clrWindow);
        Shape(p, Rect(3.5, 4.5, 4, 4), clrNote, clrNoteDark, 0.8);
        Bar(p, 9, 5, 4, QColor(90, 90, 100));
        Bar(p, 9, 7, 3, QColor(90, 90, 100));
        Bar(p, 3, 10, 10, QColor(130, 130, 140));
        Bar(p, 3, 12 - 0.5, 7, QColor(130, 130, 140));
        break;
    case 10:
        WindowFrame(p);
        for (int r = 0; r < 4; ++r)
            Bar(p, 3.5, 6 + r * 2, r == 3 ? 5 : 9, QColor(70, 70, 80));
        break;
    case 11:
        Magnifier(p, 6.5, 6.5, 4.5);
        break;
    case 12: {
        const std::array<QColor, 4> c = {QColor(55, 120, 225), QColor(80, 175, 65), QColor(245, 150, 40),
                                         QColor(222, 70, 60)};
        for (int i = 0; i < 4; ++i)
            Shape(p, Rect(1.5 + (i % 2) * 7, 1.5 + (i / 2) * 7, 6, 6, 1), c[static_cast<size_t>(i)],
                  Dark(c[static_cast<size_t>(i)]));
        break;
    }
    case 16:
        Shape(p, Rect(1.5, 0.5, 10, 13), clrPaper, clrWindow);
        for (int r = 0; r < 4; ++r) {
            p.fillRect(QRectF(3, 2 + r * 2.5, 1.5, 1.5), QColor(245, 175, 40));
            Bar(p, 5, 2.5 + r * 2.5, r % 2 ? 4 : 5, QColor(90, 90, 100));
        }
        Magnifier(p, 10.5, 10.5, 2.9);
        break;
    case 17: {
        const QPainterPath pal =
            Ellipse(8, 8.3, 7.1, 6.3, -10).subtracted(Circle(10.6, 11.6, 1.5)).subtracted(Circle(14.8, 13.2, 2.4));
        Shape(p, pal, QColor(228, 188, 125), QColor(120, 80, 40));
        const std::array<QPointF, 4> at = {QPointF(4.3, 8.2), QPointF(6.2, 4.6), QPointF(9.8, 4.0), QPointF(12.6, 6.9)};
        const std::array<QColor, 4> c = {QColor(222, 50, 50), QColor(250, 205, 30), QColor(40, 110, 225),
                                         QColor(60, 170, 60)};
        for (size_t i = 0; i < 4; ++i)
            Shape(p, Circle(at[i].x(), at[i].y(), 1.5), c[i], Dark(c[i]), 0.6);
        break;
    }
    case 18: {
        QRadialGradient g(QPointF(6, 5), 9);
        g.setColorAt(0, QColor(110, 170, 245));
        g.setColorAt(1, QColor(35, 90, 200));
        p.setPen(QPen(QColor(20, 50, 130), dOutline));
        p.setBrush(g);
        p.drawEllipse(QPointF(8, 8), 6.8, 6.8);
        Fill(p, Circle(8, 4.6, 1.35), clrPaper);
        Fill(p, Rect(6.9, 6.7, 2.2, 6.3, 0.6), clrPaper);
        break;
    }
    default:
        break; // unused places stay plain background
    }
}
