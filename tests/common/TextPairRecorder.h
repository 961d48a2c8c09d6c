#pragma once

// Renders a widget and lists every text it paints with the colour behind it.
// Everything but text is painted into a backdrop image; the text's colour is
// the pen's, its background the backdrop's commonest colour along the text's
// middle line. Texts in the palette's disabled colours are left out: an
// inactive control need not stand out.

#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QWidget>

#include <algorithm>
#include <map>
#include <vector>

struct STextPair
{
    QString strText;
    QColor clrText;
    QColor clrBack;
};

// An image only for its size and metrics: what is painted on it goes
// through the engine into the backdrop.
class CTextPairRecorder : public QImage
{
public:
    explicit CTextPairRecorder(QSize size)
        : QImage(size, QImage::Format_RGB32), m_backdrop(size, QImage::Format_RGB32), m_engine(*this)
    {
        m_backdrop.fill(Qt::white);
    }

    std::vector<STextPair> Record(QWidget& widget)
    {
        m_pairs.clear();
        const QPalette& pal = widget.palette();
        m_disabled.clear();
        for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            m_disabled.push_back(pal.color(QPalette::Disabled, role).rgba());
        widget.render(this);
        return m_pairs;
    }

    QPaintEngine* paintEngine() const override { return const_cast<CEngine*>(&m_engine); }

private:
    class CEngine : public QPaintEngine
    {
    public:
        explicit CEngine(CTextPairRecorder& owner) : QPaintEngine(AllFeatures), m_owner(owner) {}

        bool begin(QPaintDevice*) override { return m_painter.begin(&m_owner.m_backdrop); }
        bool end() override { return m_painter.end(); }
        Type type() const override { return User; }

        void updateState(const QPaintEngineState& state) override
        {
            const DirtyFlags f = state.state();
            if (f & DirtyTransform)
                m_painter.setTransform(state.transform());
            if (f & DirtyPen)
                m_painter.setPen(state.pen());
            if (f & DirtyBrush)
                m_painter.setBrush(state.brush());
            if (f & DirtyBrushOrigin)
                m_painter.setBrushOrigin(state.brushOrigin());
            if (f & DirtyOpacity)
                m_painter.setOpacity(state.opacity());
            if (f & DirtyCompositionMode)
                m_painter.setCompositionMode(state.compositionMode());
        }

        void drawRects(const QRectF* pRects, int n) override { m_painter.drawRects(pRects, n); }
        void drawLines(const QLineF* pLines, int n) override { m_painter.drawLines(pLines, n); }
        void drawEllipse(const QRectF& rc) override { m_painter.drawEllipse(rc); }
        void drawPath(const QPainterPath& path) override { m_painter.drawPath(path); }
        void drawPoints(const QPointF* pPoints, int n) override { m_painter.drawPoints(pPoints, n); }
        void drawPolygon(const QPointF* pPoints, int n, PolygonDrawMode mode) override
        {
            if (mode == PolylineMode)
                m_painter.drawPolyline(pPoints, n);
            else
                m_painter.drawPolygon(pPoints, n, mode == WindingMode ? Qt::WindingFill : Qt::OddEvenFill);
        }
        void drawPixmap(const QRectF& rc, const QPixmap& pm, const QRectF& rcSource) override
        {
            m_painter.drawPixmap(rc, pm, rcSource);
        }
        void drawImage(const QRectF& rc, const QImage& image, const QRectF& rcSource,
                       Qt::ImageConversionFlags flags) override
        {
            m_painter.drawImage(rc, image, rcSource, flags);
        }
        void drawTiledPixmap(const QRectF& rc, const QPixmap& pm, const QPointF& pt) override
        {
            m_painter.drawTiledPixmap(rc, pm, pt);
        }

        void drawTextItem(const QPointF& pt, const QTextItem& item) override
        {
            if (item.text().trimmed().isEmpty())
                return;
            const QRectF rc(pt.x(), pt.y() - item.ascent(), item.width(), item.ascent() + item.descent());
            const QRect rcDevice = m_painter.transform().mapRect(rc).toAlignedRect();
            const QColor clrBack = BackAt(rcDevice);
            if (!clrBack.isValid())
                return;
            QColor clrText = m_painter.pen().color();
            if (std::find(m_owner.m_disabled.begin(), m_owner.m_disabled.end(), clrText.rgba()) != m_owner.m_disabled.end())
                return;
            const double dAlpha = clrText.alphaF() * m_painter.opacity();
            clrText = QColor::fromRgbF(clrText.redF() * dAlpha + clrBack.redF() * (1 - dAlpha),
                                       clrText.greenF() * dAlpha + clrBack.greenF() * (1 - dAlpha),
                                       clrText.blueF() * dAlpha + clrBack.blueF() * (1 - dAlpha));
            m_owner.m_pairs.push_back({item.text(), clrText, clrBack});
        }

    private:
        // The commonest colour along the middle line of the rectangle, within the image.
        QColor BackAt(const QRect& rc) const
        {
            const QImage& image = m_owner.m_backdrop;
            const QRect rcIn = rc.intersected(image.rect());
            if (rcIn.isEmpty())
                return {};
            std::map<QRgb, int> counts;
            const int y = rcIn.center().y();
            for (int x = rcIn.left(); x <= rcIn.right(); ++x)
                ++counts[image.pixel(x, y)];
            auto best = counts.begin();
            for (auto it = counts.begin(); it != counts.end(); ++it)
                if (it->second > best->second)
                    best = it;
            return QColor(best->first);
        }

        CTextPairRecorder& m_owner;
        QPainter m_painter;
    };

    QImage m_backdrop;
    CEngine m_engine;
    std::vector<STextPair> m_pairs;
    std::vector<QRgb> m_disabled;
};
