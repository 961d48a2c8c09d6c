// Paints every image the program loads and writes them as PNG files.
//
//   quillbox-make-resources [output directory]   (default: resources/images)
//
// The strips are drawn on a transparent canvas and only then laid on their
// key colour (white, or the toolbar's grey), so the antialiased edges blend
// into the colour the image lists treat as see-through, and no drawn pixel can
// take the key colour itself and turn into a hole.

#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QString>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <functional>
#include <initializer_list>
#include <numbers>
#include <tuple>
#include <utility>

namespace
{
constexpr int nNoteIcons = 219;
constexpr QRgb rgbWhite = 0xffffffu;
constexpr QRgb rgbToolbarMask = 0xc0c0c0u;

// Inside a drawing, "white" is this, so that it stays opaque under a white key.
const QColor clrPaper(250, 250, 250);

// Width of outlines in the 16-unit design grid. One unit lands on whole pixels
// at both 16 and 32 pixels, which keeps the outlines crisp.
constexpr double dOutline = 1.0;

QColor Mix(const QColor& a, const QColor& b, double t)
{
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t));
}

QColor Light(const QColor& c, double t)
{
    return Mix(c, clrPaper, t);
}
QColor Dark(const QColor& c)
{
    return Mix(c, QColor(20, 20, 30), 0.55);
}

QPainterPath Circle(double cx, double cy, double r)
{
    QPainterPath p;
    p.addEllipse(QPointF(cx, cy), r, r);
    return p;
}

QPainterPath Ellipse(double cx, double cy, double rx, double ry, double angle = 0)
{
    QPainterPath p;
    p.addEllipse(QPointF(0, 0), rx, ry);
    return QTransform().translate(cx, cy).rotate(angle).map(p);
}

QPainterPath Rect(double x, double y, double w, double h, double r = 0)
{
    QPainterPath p;
    if (r > 0)
        p.addRoundedRect(QRectF(x, y, w, h), r, r);
    else
        p.addRect(QRectF(x, y, w, h));
    return p;
}

QPainterPath Poly(std::initializer_list<QPointF> pts)
{
    QPainterPath p;
    p.addPolygon(QPolygonF(QList<QPointF>(pts)));
    p.closeSubpath();
    return p;
}

void Shape(QPainter& p, const QPainterPath& path, const QColor& fill, const QColor& line, double width = dOutline)
{
    p.setPen(QPen(line, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(path);
}

void Fill(QPainter& p, const QPainterPath& path, const QColor& fill)
{
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path);
}

void Stroke(QPainter& p, const QPainterPath& path, const QColor& c, double width)
{
    p.setPen(QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void Line(QPainter& p, QPointF a, QPointF b, const QColor& c, double width)
{
    p.setPen(QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(a, b);
}

// A one-pixel-high bar on the 16 grid, for text lines that must not blur.
void Bar(QPainter& p, double x, double y, double w, const QColor& c)
{
    p.fillRect(QRectF(x, y, w, 1), c);
}

// ---------------------------------------------------------------------------
// Note icon symbols, each drawn in a 16 x 16 grid from one base colour.

struct Ink
{
    QColor fill;
    QColor dark;
};

using Symbol = void (*)(QPainter&, const Ink&);

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

constexpr std::array<Symbol, 32> aSymbols = {
    SymSheet,    SymStar,  SymHeart, SymFlag,  SymBell,   SymClock,     SymCalendar, SymCheck,
    SymEnvelope, SymPhone, SymHouse, SymBook,  SymBulb,   SymKey,       SymLock,     SymGear,
    SymPerson,   SymCart,  SymCup,   SymMusic, SymCamera, SymPin,       SymTag,      SymFolder,
    SymGlobe,    SymLeaf,  SymSun,   SymMoon,  SymCloud,  SymLightning, SymTrophy,   SymGift,
};

const std::array<QColor, 8> aPalette = {
    QColor(250, 200, 40), // yellow
    QColor(245, 135, 35), // orange
    QColor(222, 58, 58),  // red
    QColor(228, 90, 165), // pink
    QColor(140, 90, 210), // violet
    QColor(55, 120, 225), // blue
    QColor(35, 170, 170), // teal
    QColor(80, 175, 65),  // green
};

// Neighbours differ in symbol; each further round through the symbols shifts
// the colour, so every symbol/colour pair occurs at most once and icon 0 is a
// yellow note sheet.
void DrawNoteIcon(QPainter& p, int n)
{
    const int nSymbol = n % static_cast<int>(aSymbols.size());
    const int nRound = n / static_cast<int>(aSymbols.size());
    const QColor c = aPalette[static_cast<size_t>((nRound + nSymbol) % static_cast<int>(aPalette.size()))];
    aSymbols[static_cast<size_t>(nSymbol)](p, Ink{c, Dark(c)});
}

// ---------------------------------------------------------------------------
// Folder tree.

const QColor clrFolder(244, 196, 64);
const QColor clrFolderDark(150, 105, 20);

void DrawCardBox(QPainter& p, bool bSelected)
{
    const double lift = bSelected ? 1.5 : 0;
    Shape(p, Rect(3.5, 2.5 - lift, 8, 8, 0.5), clrPaper, QColor(110, 110, 120));
    Shape(p, Rect(6.5, 1.5 - lift, 7, 8, 0.5), QColor(255, 226, 120), QColor(160, 120, 30));
    Bar(p, 8, 4 - lift, 4, QColor(200, 160, 60));
    Bar(p, 8, 6 - lift, 3, QColor(200, 160, 60));
    const QColor box = bSelected ? QColor(70, 140, 235) : QColor(52, 104, 196);
    Shape(p, Poly({{1.5, 7.5}, {14.5, 7.5}, {13.5, 14.5}, {2.5, 14.5}}), box, QColor(25, 50, 110));
    Fill(p, Rect(6, 9.5, 4, 2, 0.5), Light(box, 0.7));
}

void DrawFolder(QPainter& p, bool bOpen)
{
    Shape(p, Poly({{1.5, 2.5}, {6, 2.5}, {7.5, 4}, {13.5, 4}, {13.5, 13.5}, {1.5, 13.5}}),
          Mix(clrFolder, clrFolderDark, 0.3), clrFolderDark);
    if (bOpen) {
        Shape(p, Rect(3.5, 5.5, 9, 6), clrPaper, QColor(130, 130, 140), 0.8);
        Shape(p, Poly({{3.5, 7.5}, {15.5, 7.5}, {13.5, 13.5}, {1.5, 13.5}}), clrFolder, clrFolderDark);
        Bar(p, 4, 8, 10.5, Light(clrFolder, 0.5));
    } else {
        Shape(p, Rect(1.5, 5.5, 12, 8), clrFolder, clrFolderDark);
        Bar(p, 2, 6, 11, Light(clrFolder, 0.5));
    }
}

void DrawTreeImage(QPainter& p, int n)
{
    switch (n) {
    case 0:
        DrawCardBox(p, false);
        break;
    case 1:
        DrawCardBox(p, true);
        break;
    case 2:
        DrawFolder(p, false);
        break;
    case 3:
        DrawFolder(p, true);
        break;
    default:
        SymSheet(p, Ink{aPalette[0], Dark(aPalette[0])});
        break;
    }
}

// ---------------------------------------------------------------------------
// Toolbar: the base drawings leave the lower right corner for a badge.

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

// ---------------------------------------------------------------------------
// Single images.

void DrawImportTasks(QPainter& p)
{
    Shape(p, Rect(2.5, 2.5, 11, 13, 1), QColor(200, 145, 80), QColor(110, 70, 30));
    Fill(p, Rect(4, 4.5, 8, 9.5), clrPaper);
    Shape(p, Rect(5.5, 1.5, 5, 2.5, 0.8), QColor(150, 150, 160), QColor(80, 80, 90), 0.8);
    QPainterPath c;
    c.moveTo(5.3, 9.0);
    c.lineTo(7.3, 11.0);
    c.lineTo(10.8, 6.5);
    Stroke(p, c, QColor(40, 150, 40), 1.6);
}

// The program's motif in a 256 grid: a blue card behind a yellow note, and a
// quill across them.
void DrawQuill(QPainter& p)
{
    QPainterPath vane;
    vane.moveTo(230, 18);
    vane.cubicTo(170, 30, 120, 80, 100, 150);
    vane.lineTo(92, 182);
    vane.cubicTo(130, 165, 175, 140, 200, 100);
    vane.cubicTo(222, 66, 232, 40, 230, 18);
    QLinearGradient g(QPointF(110, 160), QPointF(225, 30));
    g.setColorAt(0, QColor(120, 80, 200));
    g.setColorAt(1, QColor(205, 185, 250));
    p.setPen(QPen(QColor(60, 35, 120), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(g);
    p.drawPath(vane);
    // Barbs: notches of lighter colour along the vane.
    for (double t : {0.3, 0.48, 0.66}) {
        const QPointF a(230 - 140 * t, 18 + 160 * t);
        Line(p, a, a + QPointF(38 - 20 * t, -8), QColor(235, 225, 255), 4);
    }
    QPainterPath shaft;
    shaft.moveTo(228, 22);
    shaft.cubicTo(170, 70, 120, 140, 78, 214);
    Stroke(p, shaft, QColor(60, 35, 120), 7);
    Stroke(p, shaft, QColor(245, 240, 255), 3);
    Shape(p, Poly({{86, 200}, {66, 236}, {78, 212}, {96, 206}}), QColor(55, 55, 70), QColor(30, 30, 40), 4);
}

void DrawProgramIcon(QPainter& p, double size)
{
    p.scale(size / 256.0, size / 256.0);
    // The tilted cards need a margin to stay inside the square.
    p.translate(128, 128);
    p.scale(0.86, 0.86);
    p.translate(-128, -128);
    const bool bTiny = size < 40;
    const double w = bTiny ? 12 : 6;
    p.save();
    p.translate(128, 128);
    p.rotate(-9);
    p.translate(-128, -128);
    QLinearGradient blue(QPointF(0, 30), QPointF(0, 220));
    blue.setColorAt(0, QColor(90, 150, 240));
    blue.setColorAt(1, QColor(40, 90, 200));
    p.setPen(QPen(QColor(25, 55, 130), w));
    p.setBrush(blue);
    p.drawRoundedRect(QRectF(24, 34, 168, 188), 18, 18);
    p.restore();

    p.save();
    p.translate(128, 128);
    p.rotate(5);
    p.translate(-128, -128);
    QPainterPath note = Poly({{60, 40}, {200, 40}, {236, 76}, {236, 236}, {60, 236}});
    QLinearGradient yellow(QPointF(0, 40), QPointF(0, 236));
    yellow.setColorAt(0, QColor(255, 238, 140));
    yellow.setColorAt(1, QColor(250, 205, 60));
    p.setPen(QPen(QColor(160, 115, 20), w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(yellow);
    p.drawPath(note);
    p.setBrush(QColor(255, 245, 200));
    p.drawPath(Poly({{200, 40}, {200, 76}, {236, 76}}));
    if (!bTiny)
        for (int i = 0; i < 5; ++i)
            p.fillRect(QRectF(84, 104 + i * 24, i == 4 ? 70 : 126, 7), QColor(215, 160, 40));
    p.restore();
    DrawQuill(p);
}

void DrawWatermark(QPainter& p)
{
    QLinearGradient bg(QPointF(0, 0), QPointF(300, 300));
    bg.setColorAt(0, QColor(35, 75, 160));
    bg.setColorAt(1, QColor(60, 165, 195));
    p.fillRect(QRect(0, 0, 300, 300), bg);
    p.setPen(Qt::NoPen);
    for (auto [c, r, a] :
         {std::tuple{QPointF(40, 260), 120.0, 30}, {QPointF(280, 40), 90.0, 22}, {QPointF(250, 250), 60.0, 18}}) {
        p.setBrush(QColor(255, 255, 255, a));
        p.drawEllipse(c, r, r);
    }
    QImage motif(256, 256, QImage::Format_ARGB32_Premultiplied);
    motif.fill(Qt::transparent);
    {
        QPainter pm(&motif);
        pm.setRenderHint(QPainter::Antialiasing);
        DrawProgramIcon(pm, 256);
    }
    // A soft shadow: the motif's silhouette, blurred by shrinking and
    // enlarging it again.
    QImage shadow = motif;
    {
        QPainter ps(&shadow);
        ps.setCompositionMode(QPainter::CompositionMode_SourceIn);
        ps.fillRect(shadow.rect(), QColor(0, 10, 50, 90));
    }
    shadow = shadow.scaled(48, 48, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                 .scaled(256, 256, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    p.save();
    p.translate(154, 150);
    p.rotate(-6);
    p.translate(-128, -128);
    p.drawImage(QPointF(7, 10), shadow);
    p.drawImage(QPointF(0, 0), motif);
    p.restore();
}

void DrawWizardHeader(QPainter& p)
{
    QLinearGradient bg(QPointF(0, 0), QPointF(500, 0));
    bg.setColorAt(0, clrPaper);
    bg.setColorAt(0.55, QColor(236, 243, 252));
    bg.setColorAt(1, QColor(170, 200, 240));
    p.fillRect(QRect(0, 0, 500, 65), bg);
    QLinearGradient rule(QPointF(0, 0), QPointF(500, 0));
    rule.setColorAt(0, QColor(60, 110, 200, 0));
    rule.setColorAt(1, QColor(60, 110, 200, 255));
    p.fillRect(QRect(0, 62, 500, 3), rule);
    p.setPen(QPen(QColor(255, 255, 255, 110), 2));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        QPainterPath wave;
        wave.moveTo(300, 50 - i * 12);
        wave.cubicTo(360, 20 - i * 12, 400, 70 - i * 12, 500, 30 - i * 12);
        p.drawPath(wave);
    }
    p.save();
    p.translate(440, 4);
    DrawProgramIcon(p, 56);
    p.restore();
}

// ---------------------------------------------------------------------------
// Laying art on a key colour and writing files.

// Pixels this faint are left as key colour: a ring of near-key pixels would
// show as a halo on a coloured selection background.
constexpr int nMinAlpha = 56;

QImage Flatten(const QImage& art, QRgb key, QRgb substitute)
{
    QImage out(art.size(), QImage::Format_RGB32);
    const int kr = qRed(key), kg = qGreen(key), kb = qBlue(key);
    for (int y = 0; y < art.height(); ++y) {
        const auto* src = reinterpret_cast<const QRgb*>(art.constScanLine(y));
        auto* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < art.width(); ++x) {
            const QRgb s = src[x]; // premultiplied
            const int a = qAlpha(s);
            if (a < nMinAlpha) {
                dst[x] = qRgb(kr, kg, kb);
                continue;
            }
            const int r = qRed(s) + kr * (255 - a) / 255;
            const int g = qGreen(s) + kg * (255 - a) / 255;
            const int b = qBlue(s) + kb * (255 - a) / 255;
            QRgb c = qRgb(std::min(r, 255), std::min(g, 255), std::min(b, 255));
            if ((c & 0xffffffu) == (key & 0xffffffu))
                c = substitute;
            dst[x] = c;
        }
    }
    return out;
}

QImage Strip(int nCount, int nSize, QRgb key, QRgb substitute, const std::function<void(QPainter&, int)>& draw)
{
    QImage strip(nCount * nSize, nSize, QImage::Format_RGB32);
    strip.fill(key | 0xff000000u);
    QPainter ps(&strip);
    for (int i = 0; i < nCount; ++i) {
        QImage art(nSize, nSize, QImage::Format_ARGB32_Premultiplied);
        art.fill(Qt::transparent);
        {
            QPainter p(&art);
            p.setRenderHint(QPainter::Antialiasing);
            p.scale(nSize / 16.0, nSize / 16.0);
            draw(p, i);
        }
        ps.drawImage(i * nSize, 0, Flatten(art, key, substitute));
    }
    return strip;
}

QImage Picture(int w, int h, const std::function<void(QPainter&)>& draw)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    draw(p);
    return img;
}

bool g_bFailed = false;

void Save(const QDir& dir, const QString& name, const QImage& img)
{
    const QString path = dir.filePath(name);
    if (!img.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        g_bFailed = true;
        return;
    }
    std::printf("%s %dx%d\n", qPrintable(path), img.width(), img.height());
}
} // namespace

int main(int argc, char* argv[])
{
    // Painting needs no display; this also runs on a build machine without one.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    QGuiApplication app(argc, argv);

    const QStringList args = QGuiApplication::arguments();
    const QDir dir(args.size() > 1 ? args.at(1) : QStringLiteral("resources/images"));
    if (!dir.exists() && !QDir().mkpath(dir.path())) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(dir.path()));
        return 1;
    }

    const QRgb paper = clrPaper.rgb() & 0xffffffu;
    Save(dir, QStringLiteral("note_icons_16.png"), Strip(nNoteIcons, 16, rgbWhite, paper, DrawNoteIcon));
    Save(dir, QStringLiteral("note_icons_32.png"), Strip(nNoteIcons, 32, rgbWhite, paper, DrawNoteIcon));
    Save(dir, QStringLiteral("tree.png"), Strip(5, 16, rgbWhite, paper, DrawTreeImage));
    Save(dir, QStringLiteral("toolbar.png"), Strip(19, 16, rgbToolbarMask, 0xc3c3c3u, DrawToolbarImage));
    Save(dir, QStringLiteral("import_notes.png"), Strip(1, 16, rgbWhite, paper, [](QPainter& p, int) {
             SymSheet(p, Ink{aPalette[0], Dark(aPalette[0])});
         }));
    Save(dir, QStringLiteral("import_tasks.png"),
         Strip(1, 16, rgbWhite, paper, [](QPainter& p, int) { DrawImportTasks(p); }));
    Save(dir, QStringLiteral("wizard_header.png"),
         Picture(500, 65, DrawWizardHeader).convertToFormat(QImage::Format_RGB32));
    Save(dir, QStringLiteral("wizard_watermark.png"),
         Picture(300, 300, DrawWatermark).convertToFormat(QImage::Format_RGB32));
    Save(dir, QStringLiteral("quillbox.png"), Picture(256, 256, [](QPainter& p) { DrawProgramIcon(p, 256); }));
    for (int n : {16, 32, 48, 64, 128})
        Save(dir, QStringLiteral("quillbox-%1.png").arg(n), Picture(n, n, [n](QPainter& p) { DrawProgramIcon(p, n); }));
    return g_bFailed ? 1 : 0;
}
