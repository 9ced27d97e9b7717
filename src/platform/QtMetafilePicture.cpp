// Metafile scenes through QPainter, without anti-aliasing, as GDI plays them: pens that are
// one pixel wide stay one pixel at any size, wider ones scale with the picture.
#include "platform/QtMetafilePicture.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainterPath>
#include <QTransform>

#include <algorithm>
#include <cmath>

#include "platform/Cp932.h"

namespace zf61 {
namespace {

// The widest pen and the highest text drawn, in pixels.
constexpr double kMaxPixels = 16384.0;

struct FrameToPixels {
  QRectF target;
  double sx = 1.0, sy = 1.0;
  QPointF map(ScenePoint p) const { return {target.left() + p.x * sx, target.top() + p.y * sy}; }
  QRectF map(const SceneRect& r) const {
    return QRectF(map(ScenePoint{r.left, r.top}), map(ScenePoint{r.right, r.bottom})).normalized();
  }
};

QColor ColourOf(uint32_t rgb) {
  return QColor::fromRgb(static_cast<QRgb>(0xFF000000u | rgb));
}

Qt::PenStyle PenStyleOf(LineStyle style) {
  switch (style) {
    case LineStyle::Dash: return Qt::DashLine;
    case LineStyle::Dot: return Qt::DotLine;
    case LineStyle::DashDot: return Qt::DashDotLine;
    case LineStyle::DashDotDot: return Qt::DashDotDotLine;
    case LineStyle::None: return Qt::NoPen;
    default: return Qt::SolidLine;
  }
}

Qt::BrushStyle HatchOf(int hatch) {
  switch (hatch) {
    case 1: return Qt::VerPattern;
    case 2: return Qt::FDiagPattern;  // "\"
    case 3: return Qt::BDiagPattern;  // "/"
    case 4: return Qt::CrossPattern;
    case 5: return Qt::DiagCrossPattern;
    default: return Qt::HorPattern;
  }
}

QPainterPath PathOf(const ScenePath& path, const FrameToPixels& f) {
  QPainterPath out;
  size_t at = 0;
  for (PathVerb verb : path.verbs) {
    switch (verb) {
      case PathVerb::Move: out.moveTo(f.map(path.points[at++])); break;
      case PathVerb::Line: out.lineTo(f.map(path.points[at++])); break;
      case PathVerb::Cubic:
        out.cubicTo(f.map(path.points[at]), f.map(path.points[at + 1]),
                    f.map(path.points[at + 2]));
        at += 3;
        break;
      case PathVerb::Close: out.closeSubpath(); ++at; break;
    }
  }
  return out;
}

void DrawShape(QPainter& painter, const SceneShape& shape, const FrameToPixels& f) {
  QPainterPath path = PathOf(shape.path, f);
  path.setFillRule(shape.evenOdd ? Qt::OddEvenFill : Qt::WindingFill);
  if (shape.brush.style != FillStyle::None) {
    if (shape.brush.style == FillStyle::Hatched) {
      if (shape.opaqueBackground) painter.fillPath(path, ColourOf(shape.backgroundRgb));
      painter.fillPath(path, QBrush(ColourOf(shape.brush.rgb), HatchOf(shape.brush.hatch)));
    } else {
      painter.fillPath(path, ColourOf(shape.brush.rgb));
    }
  }
  if (shape.pen.style == LineStyle::None) return;
  double scaled = shape.pen.width * f.sx;
  int width = scaled >= 1.0 ? static_cast<int>(std::lround(std::min(scaled, kMaxPixels))) : 1;
  // Dashes and dots are for one-pixel pens; wider ones draw solid, as GDI's do.
  Qt::PenStyle style = width > 1 ? Qt::SolidLine : PenStyleOf(shape.pen.style);
  QPen pen(ColourOf(shape.pen.rgb), width, style,
           width > 1 ? Qt::RoundCap : Qt::FlatCap, width > 1 ? Qt::RoundJoin : Qt::MiterJoin);
  pen.setCosmetic(true);
  if (style != Qt::SolidLine && shape.opaqueBackground) {
    // The gaps of a dashed line show the background colour unless the background is clear.
    QPen gaps = pen;
    gaps.setStyle(Qt::SolidLine);
    gaps.setColor(ColourOf(shape.backgroundRgb));
    painter.strokePath(path, gaps);
  }
  painter.strokePath(path, pen);
}

QString Decoded(const std::string& bytes, bool utf16) {
  if (!utf16) return Cp932ToUnicode(bytes);
  QString out;
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    out.append(QChar(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                           static_cast<unsigned char>(bytes[i + 1]) << 8)));
  }
  return out;
}

void DrawText(QPainter& painter, const SceneText& text, const FrameToPixels& f) {
  if (text.opaqueBox) painter.fillRect(f.map(*text.opaqueBox), ColourOf(text.backgroundRgb));
  // Fonts need the application's font database; a tool without one draws no text.
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return;
  QString string = Decoded(text.bytes, text.utf16);
  double height = text.height * std::fabs(f.sy);
  if (string.isEmpty() || !(height >= 0.5 && height <= kMaxPixels)) return;
  int pixels = static_cast<int>(std::lround(height));
  QFont font(Decoded(text.face, text.utf16));
  font.setPixelSize(pixels);
  int weight = text.weight == 0 ? 400 : std::clamp(text.weight, 1, 1000);  // 0: the default
  font.setWeight(static_cast<QFont::Weight>(weight));
  font.setItalic(text.italic);
  font.setUnderline(text.underline);
  font.setStrikeOut(text.strikeOut);
  QFontMetricsF metrics(font, painter.device());
  double dx = 0.0, dy = metrics.ascent();  // the top left, unless the alignment says otherwise
  if ((text.align & 6) == 6) dx = -metrics.horizontalAdvance(string) / 2;
  else if (text.align & 2) dx = -metrics.horizontalAdvance(string);
  if ((text.align & 24) == 24) dy = 0.0;
  else if (text.align & 8) dy = -metrics.descent();
  painter.save();
  painter.translate(f.map(text.origin));
  painter.rotate(-text.angle);
  painter.setFont(font);
  painter.setPen(ColourOf(text.rgb));
  painter.drawText(QPointF(dx, dy), string);
  painter.restore();
}

QPainter::CompositionMode ModeOf(ImageBlend blend) {
  switch (blend) {
    case ImageBlend::And: return QPainter::RasterOp_SourceAndDestination;
    case ImageBlend::Or: return QPainter::RasterOp_SourceOrDestination;
    case ImageBlend::Xor: return QPainter::RasterOp_SourceXorDestination;
    default: return QPainter::CompositionMode_SourceOver;
  }
}

void DrawImage(QPainter& painter, const QImage& image, const SceneImage& item,
               const FrameToPixels& f) {
  if (image.isNull()) return;
  QRectF source(item.source.left, item.source.top, item.source.right - item.source.left,
                item.source.bottom - item.source.top);
  QPointF a = f.map(ScenePoint{item.target.left, item.target.top});
  QPointF b = f.map(ScenePoint{item.target.right, item.target.bottom});
  if (source.width() == 0 || source.height() == 0 || a.x() == b.x() || a.y() == b.y()) return;
  // A target that runs right to left or bottom to top shows the bitmap mirrored.
  painter.save();
  QTransform flip;
  flip.translate(a.x(), a.y());
  flip.scale(b.x() > a.x() ? 1 : -1, b.y() > a.y() ? 1 : -1);
  painter.setTransform(flip, true);
  painter.setCompositionMode(ModeOf(item.blend));
  painter.drawImage(QRectF(0, 0, std::fabs(b.x() - a.x()), std::fabs(b.y() - a.y())), image,
                    source.normalized());
  painter.restore();
}

}  // namespace

QtMetafilePicture::QtMetafilePicture(MetafileScene scene) : scene_(std::move(scene)) {
  for (const SceneItem& item : scene_.items) {
    if (auto* image = std::get_if<SceneImage>(&item.what)) {
      images_.push_back(QImage::fromData(reinterpret_cast<const uchar*>(image->bmp.data()),
                                         static_cast<int>(image->bmp.size()), "BMP"));
    }
  }
}

void QtMetafilePicture::draw(QPainter& painter, const QRectF& target) const {
  if (!(scene_.width > 0) || !(scene_.height > 0) || target.isEmpty()) return;
  FrameToPixels f{target, target.width() / scene_.width, target.height() / scene_.height};
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setRenderHint(QPainter::TextAntialiasing, false);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  painter.setClipRect(target);
  size_t image = 0;
  for (const SceneItem& item : scene_.items) {
    if (item.clip) {
      painter.save();
      painter.setClipRect(f.map(*item.clip), Qt::IntersectClip);
    }
    if (auto* shape = std::get_if<SceneShape>(&item.what)) DrawShape(painter, *shape, f);
    if (auto* text = std::get_if<SceneText>(&item.what)) DrawText(painter, *text, f);
    if (auto* picture = std::get_if<SceneImage>(&item.what)) {
      DrawImage(painter, images_[image++], *picture, f);
    }
    if (item.clip) painter.restore();
  }
  painter.restore();
}

}  // namespace zf61
