#include "NoteSymbols.h"

#include "Drawing.h"

#include <QPolygonF>

#include <cmath>
#include <numbers>
#include <utility>

void SymSheet(QPainter& p, const Ink& k)
{
    Shape(p, Poly({{2.5, 1.5}, {10.5, 1.5}, {13.5, 4.5}, {13.5, 14.5}, {2.5, 14.5}}), Light(k.fill, 0.45), k.dark);
    Shape(p, Poly({{10.5, 1.5}, {10.5, 4.5}, {13.5, 4.5}}), Light(k.fill, 0.8), k.dark);
    for (double y : {6.0, 8.0, 10.0, 12.0})
        Bar(p, 4.5, y, y == 12.0 ? 4.5 : 7.0, k.fill);
}

void SymStar(QPainter& p, const Ink& k)
{
    QPolygonF pts;
    for (int i = 0; i < 10; ++i) {
        const double a = (-90.0 + i * 36.0) * std::numbers::pi / 180.0;
        const double r = i % 2 == 0 ? 7.3 : 3.0;
        pts << QPointF(8 + r * std::cos(a), 8.7 + r * std::sin(a));
    }
    QPainterPath path;
    path.addPolygon(pts);
    path.closeSubpath();
    Shape(p, path, k.fill, k.dark);
    Fill(p, Poly({{8, 3.5}, {9.1, 6.8}, {8, 7.8}}), Light(k.fill, 0.5));
}

void SymHeart(QPainter& p, const Ink& k)
{
    QPainterPath h;
    h.moveTo(8, 4.5);
    h.cubicTo(8, 1.5, 3.5, 0.8, 1.8, 3.6);
    h.cubicTo(0.2, 6.5, 2.5, 9.8, 8, 14.5);
    h.cubicTo(13.5, 9.8, 15.8, 6.5, 14.2, 3.6);
    h.cubicTo(12.5, 0.8, 8, 1.5, 8, 4.5);
    Shape(p, h, k.fill, k.dark);
    Fill(p, Ellipse(4.6, 5.0, 1.4, 1.0, -35), Light(k.fill, 0.65));
}

void SymFlag(QPainter& p, const Ink& k)
{
    QPainterPath f;
    f.moveTo(3.5, 2.5);
    f.cubicTo(6.5, 0.8, 9.5, 4.2, 14, 2.2);
    f.lineTo(14, 9.2);
    f.cubicTo(9.5, 11.2, 6.5, 7.8, 3.5, 9.5);
    f.closeSubpath();
    Shape(p, f, k.fill, k.dark);
    Shape(p, Rect(2, 1.5, 1.5, 13.5), QColor(120, 90, 60), QColor(70, 50, 35), 0.8);
}

void SymBell(QPainter& p, const Ink& k)
{
    Shape(p, Circle(8, 13.3, 1.7), k.dark, k.dark);
    QPainterPath b;
    b.moveTo(1.8, 12.5);
    b.cubicTo(3.5, 11, 3.7, 9.5, 3.7, 7.2);
    b.cubicTo(3.7, 4.2, 5.5, 2.5, 8, 2.5);
    b.cubicTo(10.5, 2.5, 12.3, 4.2, 12.3, 7.2);
    b.cubicTo(12.3, 9.5, 12.5, 11, 14.2, 12.5);
    b.closeSubpath();
    Shape(p, b, k.fill, k.dark);
    Shape(p, Circle(8, 1.9, 1.1), k.fill, k.dark, 0.8);
    Line(p, {5.6, 6.0}, {5.4, 9.5}, Light(k.fill, 0.65), 1.0);
}

void SymClock(QPainter& p, const Ink& k)
{
    Shape(p, Circle(8, 8, 6.8), k.fill, k.dark);
    Fill(p, Circle(8, 8, 5.0), Light(k.fill, 0.88));
    for (auto pt : {QPointF(8, 3.9), QPointF(12.1, 8), QPointF(8, 12.1), QPointF(3.9, 8)})
        Fill(p, Circle(pt.x(), pt.y(), 0.55), k.dark);
    Line(p, {8, 8}, {8, 4.6}, k.dark, 1.2);
    Line(p, {8, 8}, {10.8, 9.6}, k.dark, 1.2);
    Fill(p, Circle(8, 8, 0.9), k.dark);
}

void SymCalendar(QPainter& p, const Ink& k)
{
    const QPainterPath body = Rect(1.5, 2.5, 13, 12, 1.5);
    Fill(p, body, Light(k.fill, 0.9));
    p.save();
    p.setClipPath(body);
    p.fillRect(QRectF(1, 2, 14, 4.5), k.fill);
    p.restore();
    Stroke(p, body, k.dark, dOutline);
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 2; ++r)
            p.fillRect(QRectF(3 + c * 2.5, 8 + r * 3, 2, 2), c == 2 && r == 1 ? k.dark : Light(k.fill, 0.3));
    Line(p, {5, 1}, {5, 4}, k.dark, 1.5);
    Line(p, {11, 1}, {11, 4}, k.dark, 1.5);
}

void SymCheck(QPainter& p, const Ink& k)
{
    Shape(p, Rect(1.5, 1.5, 13, 13, 3), k.fill, k.dark);
    QPainterPath c;
    c.moveTo(4.2, 8.3);
    c.lineTo(6.8, 10.9);
    c.lineTo(11.8, 5.2);
    Stroke(p, c, k.dark, 3.4);
    Stroke(p, c, clrPaper, 1.8);
}

void SymEnvelope(QPainter& p, const Ink& k)
{
    Shape(p, Rect(1.5, 3.5, 13, 9), k.fill, k.dark);
    Line(p, {1.8, 12.2}, {6.2, 8.0}, k.dark, 0.8);
    Line(p, {14.2, 12.2}, {9.8, 8.0}, k.dark, 0.8);
    Shape(p, Poly({{1.5, 3.5}, {8, 9.2}, {14.5, 3.5}}), Light(k.fill, 0.45), k.dark);
}

void SymPhone(QPainter& p, const Ink& k)
{
    Shape(p, Rect(4.5, 1.5, 7, 13, 1.5), k.fill, k.dark);
    Fill(p, Rect(6, 3, 4, 7), Light(k.fill, 0.85));
    Fill(p, Circle(8, 12.2, 0.9), k.dark);
}

void SymHouse(QPainter& p, const Ink& k)
{
    Shape(p, Rect(10.5, 2.5, 2, 4), k.dark, k.dark, 0.8);
    Shape(p, Rect(3.5, 7.5, 9, 7), Light(k.fill, 0.55), k.dark);
    Shape(p, Rect(6.5, 10.5, 3, 4), k.fill, k.dark);
    Shape(p, Poly({{8, 1.3}, {15, 8.5}, {1, 8.5}}), k.fill, k.dark);
}

void SymBook(QPainter& p, const Ink& k)
{
    Shape(p, Rect(3.5, 1.5, 10, 13, 1), k.fill, k.dark);
    Fill(p, Rect(4, 2, 1.5, 12), k.dark);
    Fill(p, Rect(6, 12, 7, 2), Light(k.fill, 0.9));
    Fill(p, Rect(7.5, 4, 4, 2.5), Light(k.fill, 0.75));
}

void SymBulb(QPainter& p, const Ink& k)
{
    const QPainterPath glass = Circle(8, 6.2, 5.0).united(Poly({{5.3, 9.2}, {10.7, 9.2}, {10, 11.5}, {6, 11.5}}));
    Shape(p, glass, Light(k.fill, 0.2), k.dark);
    Shape(p, Rect(5.5, 11.5, 5, 3, 0.8), QColor(140, 140, 150), QColor(80, 80, 90));
    Bar(p, 6, 13, 4, QColor(95, 95, 105));
    QPainterPath shine;
    shine.moveTo(5.0, 7.2);
    shine.cubicTo(4.6, 5.5, 5.5, 3.9, 7.0, 3.5);
    Stroke(p, shine, Light(k.fill, 0.8), 1.1);
}

void SymKey(QPainter& p, const Ink& k)
{
    const QPainterPath key = Circle(4.8, 8, 3.6)
                                 .united(Rect(7.5, 6.8, 7.5, 2.4))
                                 .united(Rect(10.4, 9, 1.8, 2.8))
                                 .united(Rect(13.2, 9, 1.8, 2.0))
                                 .subtracted(Circle(4.0, 8, 1.3));
    Shape(p, key, k.fill, k.dark);
}

void SymLock(QPainter& p, const Ink& k)
{
    QPainterPath s;
    s.moveTo(4.7, 8);
    s.lineTo(4.7, 5.3);
    s.arcTo(QRectF(4.7, 2.0, 6.6, 6.6), 180, -180);
    s.lineTo(11.3, 8);
    Stroke(p, s, QColor(90, 90, 105), 2.6);
    Stroke(p, s, QColor(175, 175, 185), 0.9);
    Shape(p, Rect(2.5, 7.5, 11, 7, 1.5), k.fill, k.dark);
    Fill(p, Circle(8, 10.3, 1.3), k.dark);
    Fill(p, Rect(7.4, 10.5, 1.2, 2.6), k.dark);
}

void SymGear(QPainter& p, const Ink& k)
{
    QPolygonF pts;
    for (int i = 0; i < 8; ++i) {
        const double a = i * 45.0;
        for (auto [da, r] : {std::pair{-14.0, 5.2}, {-9.0, 7.2}, {9.0, 7.2}, {14.0, 5.2}}) {
            const double t = (a + da) * std::numbers::pi / 180.0;
            pts << QPointF(8 + r * std::cos(t), 8 + r * std::sin(t));
        }
    }
    QPainterPath g;
    g.addPolygon(pts);
    g.closeSubpath();
    Shape(p, g.subtracted(Circle(8, 8, 2.2)), k.fill, k.dark);
}

void SymPerson(QPainter& p, const Ink& k)
{
    QPainterPath b;
    b.moveTo(1.8, 15);
    b.cubicTo(1.8, 10.5, 4.8, 8.7, 8, 8.7);
    b.cubicTo(11.2, 8.7, 14.2, 10.5, 14.2, 15);
    b.closeSubpath();
    Shape(p, b, k.fill, k.dark);
    Shape(p, Circle(8, 4.6, 3.1), Light(k.fill, 0.45), k.dark);
}

void SymCart(QPainter& p, const Ink& k)
{
    Line(p, {1, 2.8}, {3.2, 2.8}, k.dark, 1.4);
    Line(p, {3.2, 2.8}, {5.2, 11.5}, k.dark, 1.2);
    Line(p, {5.2, 11.5}, {13.5, 11.5}, k.dark, 1.2);
    Shape(p, Poly({{3.8, 4.8}, {14.6, 4.8}, {13.1, 10.2}, {5.0, 10.2}}), k.fill, k.dark);
    Line(p, {7.6, 5.2}, {8.0, 9.8}, Light(k.fill, 0.6), 0.8);
    Line(p, {11.0, 5.2}, {10.6, 9.8}, Light(k.fill, 0.6), 0.8);
    Shape(p, Circle(6.2, 13.5, 1.4), k.dark, k.dark);
    Shape(p, Circle(12.2, 13.5, 1.4), k.dark, k.dark);
}

void SymCup(QPainter& p, const Ink& k)
{
    Shape(p, Circle(12.3, 9, 2.7).subtracted(Circle(12.3, 9, 1.3)), k.fill, k.dark);
    QPainterPath c;
    c.moveTo(2.5, 5.5);
    c.lineTo(12.5, 5.5);
    c.lineTo(12.5, 10);
    c.cubicTo(12.5, 13, 10.5, 14.5, 7.5, 14.5);
    c.cubicTo(4.5, 14.5, 2.5, 13, 2.5, 10);
    c.closeSubpath();
    Shape(p, c, k.fill, k.dark);
    Fill(p, Rect(3, 6, 9, 1.5), Light(k.fill, 0.5));
    const QColor steam = Mix(k.dark, clrPaper, 0.35);
    for (double x : {5.5, 9.5}) {
        QPainterPath s;
        s.moveTo(x, 4.2);
        s.cubicTo(x - 1.2, 3.2, x + 1.2, 2.2, x, 0.8);
        Stroke(p, s, steam, 0.9);
    }
}

void SymMusic(QPainter& p, const Ink& k)
{
    const QPainterPath n = Ellipse(4.6, 12.6, 2.5, 1.8, -20)
                               .united(Ellipse(11.6, 11.1, 2.5, 1.8, -20))
                               .united(Rect(6.0, 3.8, 1.3, 8.8))
                               .united(Rect(13.0, 2.3, 1.3, 8.8))
                               .united(Poly({{6.0, 3.8}, {14.3, 1.6}, {14.3, 4.4}, {6.0, 6.6}}));
    Shape(p, n, k.fill, k.dark);
}

void SymCamera(QPainter& p, const Ink& k)
{
    Shape(p, Rect(5, 2.5, 5, 3, 0.8), k.dark, k.dark);
    Shape(p, Rect(1.5, 4.5, 13, 9, 1.5), k.fill, k.dark);
    Shape(p, Circle(8, 9, 3.3), QColor(70, 70, 85), k.dark);
    Fill(p, Circle(8, 9, 1.8), QColor(115, 140, 175));
    Fill(p, Circle(7.2, 8.2, 0.6), clrPaper);
    Fill(p, Rect(11.5, 6, 2, 1.3), Light(k.fill, 0.85));
}

void SymPin(QPainter& p, const Ink& k)
{
    QPainterPath t;
    t.moveTo(8, 15);
    t.cubicTo(5, 10.5, 2.5, 8.5, 2.5, 6.2);
    t.cubicTo(2.5, 3.0, 5, 1.0, 8, 1.0);
    t.cubicTo(11, 1.0, 13.5, 3.0, 13.5, 6.2);
    t.cubicTo(13.5, 8.5, 11, 10.5, 8, 15);
    Shape(p, t, k.fill, k.dark);
    Shape(p, Circle(8, 6.1, 2.0), clrPaper, k.dark, 0.8);
}

void SymTag(QPainter& p, const Ink& k)
{
    Shape(p, Poly({{1.3, 8}, {5.8, 3.5}, {14.5, 3.5}, {14.5, 12.5}, {5.8, 12.5}}), k.fill, k.dark);
    Shape(p, Circle(5.6, 8, 1.3), clrPaper, k.dark, 0.8);
    Bar(p, 8.5, 6, 4.5, Light(k.fill, 0.6));
    Bar(p, 8.5, 9, 3, Light(k.fill, 0.6));
}

void SymFolder(QPainter& p, const Ink& k)
{
    Shape(p, Poly({{1.5, 2.5}, {6, 2.5}, {7.5, 4}, {14.5, 4}, {14.5, 13.5}, {1.5, 13.5}}), Mix(k.fill, k.dark, 0.3),
          k.dark);
    Shape(p, Rect(1.5, 6.5, 13, 7), k.fill, k.dark);
    Bar(p, 2, 7, 12, Light(k.fill, 0.45));
}

void SymGlobe(QPainter& p, const Ink& k)
{
    const QPainterPath g = Circle(8, 8, 6.8);
    Fill(p, g, k.fill);
    p.save();
    p.setClipPath(g);
    const QColor grid = Light(k.fill, 0.65);
    Stroke(p, Ellipse(8, 8, 2.9, 6.8), grid, 0.8);
    Line(p, {1, 8}, {15, 8}, grid, 0.8);
    Line(p, {1, 4.6}, {15, 4.6}, grid, 0.8);
    Line(p, {1, 11.4}, {15, 11.4}, grid, 0.8);
    Line(p, {8, 1}, {8, 15}, grid, 0.8);
    p.restore();
    Stroke(p, g, k.dark, dOutline);
}

void SymLeaf(QPainter& p, const Ink& k)
{
    QPainterPath l;
    l.moveTo(2.5, 13.5);
    l.cubicTo(1.5, 6.0, 6.0, 1.5, 14.2, 1.8);
    l.cubicTo(14.5, 10.0, 10.0, 14.5, 2.5, 13.5);
    l.closeSubpath();
    Shape(p, l, k.fill, k.dark);
    Line(p, {3.0, 13.0}, {11.0, 5.0}, k.dark, 0.9);
    Line(p, {1.0, 15.0}, {3.0, 13.0}, k.dark, 1.2);
    Line(p, {6.5, 9.5}, {6.6, 6.4}, Light(k.fill, 0.5), 0.7);
    Line(p, {8.5, 7.5}, {11.4, 7.6}, Light(k.fill, 0.5), 0.7);
}

void SymSun(QPainter& p, const Ink& k)
{
    for (int i = 0; i < 8; ++i) {
        const double a = i * 45.0 * std::numbers::pi / 180.0;
        const double w = 0.36;
        auto at = [](double ang, double r) { return QPointF(8 + r * std::cos(ang), 8 + r * std::sin(ang)); };
        Shape(p, Poly({at(a - w, 4.6), at(a, 7.5), at(a + w, 4.6)}), k.fill, k.dark, 0.8);
    }
    Shape(p, Circle(8, 8, 4.0), Light(k.fill, 0.25), k.dark);
}

void SymMoon(QPainter& p, const Ink& k)
{
    Shape(p, Circle(7.3, 8.2, 6.6).subtracted(Circle(11.6, 5.6, 5.6)), k.fill, k.dark);
    Fill(p, Circle(12.5, 11.0, 0.9), k.fill);
}

void SymCloud(QPainter& p, const Ink& k)
{
    const QPainterPath c = Circle(5.0, 10.0, 3.3)
                               .united(Circle(8.8, 7.2, 4.2))
                               .united(Circle(12.3, 10.2, 2.8))
                               .united(Rect(5.0, 9.0, 7.3, 4.3));
    Shape(p, c, Light(k.fill, 0.3), k.dark);
    QPainterPath s;
    s.moveTo(6.2, 7.6);
    s.cubicTo(6.6, 5.6, 8.0, 4.6, 9.6, 4.6);
    Stroke(p, s, Light(k.fill, 0.8), 1.0);
}

void SymLightning(QPainter& p, const Ink& k)
{
    Shape(p, Poly({{9.8, 0.8}, {2.8, 9.2}, {7.4, 9.2}, {5.6, 15.2}, {13.2, 6.3}, {8.6, 6.3}, {11.2, 0.8}}), k.fill,
          k.dark);
}

void SymTrophy(QPainter& p, const Ink& k)
{
    Stroke(p, Ellipse(3.8, 5.0, 2.4, 2.4), k.dark, 1.4);
    Stroke(p, Ellipse(12.2, 5.0, 2.4, 2.4), k.dark, 1.4);
    QPainterPath c;
    c.moveTo(3.5, 1.5);
    c.lineTo(12.5, 1.5);
    c.lineTo(12.5, 4);
    c.cubicTo(12.5, 7.5, 10.5, 9.5, 8, 9.5);
    c.cubicTo(5.5, 9.5, 3.5, 7.5, 3.5, 4);
    c.closeSubpath();
    Shape(p, Rect(7, 9, 2, 3.5), k.fill, k.dark, 0.8);
    Shape(p, c, k.fill, k.dark);
    Shape(p, Rect(4.5, 12.5, 7, 2), k.dark, k.dark);
    Line(p, {5.8, 3.2}, {6.0, 6.4}, Light(k.fill, 0.6), 1.0);
}

void SymGift(QPainter& p, const Ink& k)
{
    const QColor ribbon = Light(k.fill, 0.8);
    Shape(p, Ellipse(5.6, 2.9, 2.3, 1.4, 25), ribbon, k.dark, 0.8);
    Shape(p, Ellipse(10.4, 2.9, 2.3, 1.4, -25), ribbon, k.dark, 0.8);
    Shape(p, Rect(2.5, 7.5, 11, 7), k.fill, k.dark);
    Shape(p, Rect(1.5, 4.5, 13, 3), Light(k.fill, 0.2), k.dark);
    Shape(p, Rect(7, 4.5, 2, 10), ribbon, k.dark, 0.8);
}
