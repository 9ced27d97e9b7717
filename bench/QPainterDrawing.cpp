// Lines, circles and arcs with plain QPainter calls.
#include "QPainterDrawing.h"

#include <QLineF>
#include <QPen>

#include <vector>

#include "model/Geometry.h"

namespace zf61::bench {
namespace {

struct PixelMapping {
  const ViewWindow& view;
  QPointF at(double x, double y) const { return {view.PixelXF(x), view.PixelYF(y)}; }
  double length(double d) const { return d * view.Scale; }
};

class PenKeeper {
 public:
  explicit PenKeeper(QPainter& painter) : painter_(painter) {}
  void use(Colour colour) {
    if (colour == current_) return;
    current_ = colour;
    painter_.setPen(QPen(QColor(RedOf(colour), GreenOf(colour), BlueOf(colour)), 0));
  }

 private:
  QPainter& painter_;
  Colour current_ = 0xFFFFFFFFu;
};

void DrawLines(QPainter& painter, PenKeeper& pen, const DrawingStore& store, const PixelMapping& m,
               const TgraAttribute& att) {
  std::vector<QLineF> batch;
  Colour batchColour = 0;
  auto flush = [&] {
    if (batch.empty()) return;
    pen.use(batchColour);
    painter.drawLines(batch.data(), static_cast<int>(batch.size()));
    batch.clear();
  };
  for (const LineFigure& f : store.lines) {
    Colour colour = att.FigureColour(f.header.LayerIndex(), f.header.colour);
    if (colour != batchColour) flush();
    batchColour = colour;
    double d = store.groupDivisor(f.header.group);
    batch.emplace_back(m.at(f.x1 / d, f.y1 / d), m.at(f.x2 / d, f.y2 / d));
  }
  flush();
}

void DrawCurves(QPainter& painter, PenKeeper& pen, const DrawingStore& store, const PixelMapping& m,
                const TgraAttribute& att) {
  for (const CircleFigure& f : store.circles) {
    pen.use(att.FigureColour(f.header.LayerIndex(), f.header.colour));
    double d = store.groupDivisor(f.header.group), r = m.length(f.radius / d);
    painter.drawEllipse(m.at(f.centreX / d, f.centreY / d), r, r);
  }
  for (const ArcFigure& f : store.arcs) {
    pen.use(att.FigureColour(f.header.LayerIndex(), f.header.colour));
    double d = store.groupDivisor(f.header.group), r = m.length(f.radius / d);
    QPointF c = m.at(f.centreX / d, f.centreY / d);
    double sweep = NormalizeDegrees(f.endAngle - f.startAngle);
    painter.drawArc(QRectF(c.x() - r, c.y() - r * f.flatness, 2 * r, 2 * r * f.flatness),
                    static_cast<int>(f.startAngle * 16), static_cast<int>(sweep * 16));
  }
}

}  // namespace

void DrawWithQPainter(QPainter& painter, const DrawingStore& store, const ViewWindow& view,
                      const TgraAttribute& att) {
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setBrush(Qt::NoBrush);
  PenKeeper pen(painter);
  PixelMapping mapping{view};
  DrawLines(painter, pen, store, mapping, att);
  DrawCurves(painter, pen, store, mapping, att);
}

}  // namespace zf61::bench
