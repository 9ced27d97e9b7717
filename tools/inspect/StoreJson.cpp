// Field-by-field JSON of the drawing store; texts are decoded from Shift-JIS.
#include "inspect/StoreJson.h"

#include "platform/Cp932.h"

namespace zf61 {
namespace {

void Text(JsonWriter& json, std::string_view name, const std::string& cp932) {
  json.field(name, std::string_view(Cp932ToUnicode(cp932).toStdString()));
}

void Header(JsonWriter& json, const FigureHeader& h) {
  json.field("hhpIndex", h.hhpIndex);
  json.field("group", h.group);
  json.field("layer", h.layer);
  json.field("colour", h.colour);
  json.field("lineType", h.lineType);
  json.field("lineWidth", h.lineWidth);
  json.field("flags", h.flags);
}

void Points(JsonWriter& json, std::initializer_list<std::pair<const char*, double>> values) {
  for (const auto& [name, v] : values) json.field(name, v);
}

void Line(JsonWriter& json, const LineFigure& f) {
  Header(json, f.header);
  json.field("chainNumber", f.chainNumber);
  Points(json, {{"x1", f.x1}, {"y1", f.y1}, {"x2", f.x2}, {"y2", f.y2}});
}

void TextBody(JsonWriter& json, const TextFigure& f) {
  Header(json, f.header);
  json.field("textVariant", f.textVariant);
  json.field("ccValue", f.ccValue);
  json.field("styleNumber", f.styleNumber);
  Points(json, {{"charWidth", f.charWidth},
                {"charHeight", f.charHeight},
                {"charSpacing", f.charSpacing},
                {"x", f.x},
                {"y", f.y},
                {"dirX", f.dirX},
                {"dirY", f.dirY}});
  Text(json, "fontName", f.fontName);
  Text(json, "text", f.text);
}

void SolidCurve(JsonWriter& json, const SolidCurveFigure& f, FigureKind kind) {
  Header(json, f.header);
  json.field("solidRgb", f.solidRgb);
  Points(json, {{"centreX", f.centreX},
                {"centreY", f.centreY},
                {"radius", f.radius},
                {"flatness", f.flatness},
                {"tilt", f.tilt},
                {"start", f.start},
                {"sweep", f.sweep}});
  if (kind == FigureKind::SolidCurveSc || kind == FigureKind::SolidCurveSe) {
    json.field("parameter8", f.parameter8Int);
  } else {
    json.field("parameter8", f.parameter8Length);
  }
}

void FigureBody(JsonWriter& json, const DrawingStore& s, FigureRef ref) {
  size_t i = static_cast<size_t>(ref.index);
  switch (ref.kind) {
    case FigureKind::Line:
      Line(json, s.lines[i]);
      break;
    case FigureKind::Circle: {
      const CircleFigure& f = s.circles[i];
      Header(json, f.header);
      Points(json, {{"centreX", f.centreX}, {"centreY", f.centreY}, {"radius", f.radius}});
      break;
    }
    case FigureKind::Arc: {
      const ArcFigure& f = s.arcs[i];
      Header(json, f.header);
      Points(json, {{"centreX", f.centreX},
                    {"centreY", f.centreY},
                    {"radius", f.radius},
                    {"startAngle", f.startAngle},
                    {"endAngle", f.endAngle},
                    {"flatness", f.flatness},
                    {"tiltAngle", f.tiltAngle}});
      break;
    }
    case FigureKind::Text:
      TextBody(json, s.texts[i]);
      break;
    case FigureKind::Point: {
      const PointFigure& f = s.points[i];
      Header(json, f.header);
      Points(json, {{"x", f.x}, {"y", f.y}});
      break;
    }
    case FigureKind::ExtendedPoint: {
      const ExtendedPointFigure& f = s.extendedPoints[i];
      Header(json, f.header);
      Points(json, {{"x", f.x}, {"y", f.y}, {"value3", f.value3}, {"value4", f.value4}});
      json.field("code5", f.code5);
      break;
    }
    case FigureKind::LineWithText: {
      const LineWithTextFigure& f = s.linesWithText[i];
      Header(json, f.header);
      json.key("line");
      json.beginObject();
      Line(json, f.line);
      json.endObject();
      json.key("text");
      json.beginObject();
      TextBody(json, f.text);
      json.endObject();
      break;
    }
    case FigureKind::Block: {
      const BlockFigure& f = s.blocks[i];
      Header(json, f.header);
      Points(json, {{"x", f.x}, {"y", f.y}});
      Text(json, "blockName", f.blockName);
      break;
    }
    case FigureKind::SolidLine: {
      const SolidLineFigure& f = s.solidLines[i];
      Header(json, f.header);
      json.field("solidRgb", f.solidRgb);
      Points(json, {{"x1", f.x1}, {"y1", f.y1}, {"x2", f.x2}, {"y2", f.y2}});
      break;
    }
    case FigureKind::SolidTriangle: {
      const SolidTriangleFigure& f = s.solidTriangles[i];
      Header(json, f.header);
      json.field("solidRgb", f.solidRgb);
      Points(json,
             {{"x1", f.x1}, {"y1", f.y1}, {"x2", f.x2}, {"y2", f.y2}, {"x3", f.x3}, {"y3", f.y3}});
      break;
    }
    case FigureKind::SolidQuad: {
      const SolidQuadFigure& f = s.solidQuads[i];
      Header(json, f.header);
      json.field("solidRgb", f.solidRgb);
      Points(json, {{"x1", f.x1},
                    {"y1", f.y1},
                    {"x2", f.x2},
                    {"y2", f.y2},
                    {"x3", f.x3},
                    {"y3", f.y3},
                    {"x4", f.x4},
                    {"y4", f.y4}});
      break;
    }
    default:
      SolidCurve(json, s.solidCurves(ref.kind)[i], ref.kind);
      break;
  }
}

template <typename Array>
void NumberArray(JsonWriter& json, std::string_view name, const Array& values) {
  json.key(name);
  json.beginArray();
  for (auto v : values) json.value(v);
  json.endArray();
}

void Settings(JsonWriter& json, const DrawingSettings& s) {
  json.key("settings");
  json.beginObject();
  Text(json, "drawingFileName", s.drawingFileName);
  NumberArray(json, "groupScale", s.groupScale);
  json.field("bzFlag", s.bzFlag);
  json.field("firstGroup", s.firstGroup);
  json.field("firstLayer", s.firstLayer);
  json.field("hkValue", s.hkValue);
  NumberArray(json, "hzsValues", s.hzsValues);
  NumberArray(json, "hnValues", s.hnValues);
  json.key("textStyles");
  json.beginArray();
  for (const TextStyle& style : s.textStyles) {
    json.beginObject();
    json.field("width", style.width);
    json.field("height", style.height);
    json.field("spacing", style.spacing);
    json.field("colour", style.colour);
    json.endObject();
  }
  json.endArray();
  Text(json, "firstFontName", s.first.fontName);
  json.endObject();
}

}  // namespace

void WriteStoreJson(const DrawingStore& store, JsonWriter& json) {
  json.beginObject();
  Settings(json, store.settings);
  json.key("figures");
  json.beginArray();
  for (FigureRef ref : store.figureOrder) {
    json.beginObject();
    json.field("kind", static_cast<int32_t>(ref.kind));
    json.field("index", ref.index);
    FigureBody(json, store, ref);
    json.endObject();
  }
  json.endArray();
  json.endObject();
}

}  // namespace zf61
