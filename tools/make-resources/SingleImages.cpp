#include "SingleImages.h"

#include "Drawing.h"

#include <QImage>
#include <QLinearGradient>

#include <tuple>

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

namespace
{
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
} // namespace

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
