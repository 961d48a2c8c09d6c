#include "Drawing.h"

#include <QList>
#include <QPolygonF>
#include <QRectF>
#include <QTransform>

const QColor clrPaper(250, 250, 250);

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

QPainterPath Ellipse(double cx, double cy, double rx, double ry, double angle)
{
    QPainterPath p;
    p.addEllipse(QPointF(0, 0), rx, ry);
    return QTransform().translate(cx, cy).rotate(angle).map(p);
}

QPainterPath Rect(double x, double y, double w, double h, double r)
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

void Shape(QPainter& p, const QPainterPath& path, const QColor& fill, const QColor& line, double width)
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
