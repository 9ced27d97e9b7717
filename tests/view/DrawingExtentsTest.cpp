#include "view/DrawingExtents.h"

#include <gtest/gtest.h>

#include "model/Geometry.h"

namespace zf61 {
namespace {

DrawingExtents Compute(const DrawingStore& s) {
  DrawingExtents e;
  ComputeDrawingExtents(s, e);
  return e;
}

void ExpectBox(const DrawingExtents& e, double x0, double y0, double x1, double y1) {
  EXPECT_NEAR(e.XMin, x0, 1e-9);
  EXPECT_NEAR(e.YMin, y0, 1e-9);
  EXPECT_NEAR(e.XMax, x1, 1e-9);
  EXPECT_NEAR(e.YMax, y1, 1e-9);
}

TEST(DrawingExtents, MarginsForNoneAndOneFigure) {
  DrawingStore s;
  ExpectBox(Compute(s), -100, -100, 100, 100);
  LineFigure& l = s.appendLine();
  l.x2 = 1000;
  ExpectBox(Compute(s), -100, -100, 1000, 100);
  DrawingStore p;
  PointFigure& pt = p.appendPoint();
  pt.x = 5, pt.y = 5;
  ExpectBox(Compute(p), -95, -95, 105, 105);
}

TEST(DrawingExtents, CurvesGroupScalesPicturesAndTheClamp) {
  DrawingStore s;
  s.settings.groupScale[1] = 2.0;
  s.current.group = 1;
  s.appendCircle().radius = 10;
  s.current.group = 0;
  ArcFigure& a = s.appendArc();
  a.radius = 10, a.startAngle = 350, a.endAngle = 10, a.flatness = 1;
  DrawingExtents e = Compute(s);
  // The circle in group 1 counts as radius 5; the arc passes 0 degrees but not 90.
  EXPECT_NEAR(e.XMax, 10.0, 1e-9);
  EXPECT_NEAR(e.YMax, 5.0, 1e-9);
  EXPECT_NEAR(e.XMin, -5.0, 1e-9);

  DrawingStore t;
  t.appendText().text = "^@BMa.bmp,30,20";
  t.appendText().text = "^@BMb.bmp,40";
  ExpectBox(Compute(t), 0, 0, 40, 40);
  t.appendLine().x1 = 5e8;
  EXPECT_EQ(Compute(t).XMax, 1e8);
  t.appendLine().y1 = -5e8;
  EXPECT_EQ(Compute(t).YMin, -1e8);
}

TEST(DrawingExtents, SolidCurvesUseTheirSweep) {
  DrawingStore s;
  SolidCurveFigure& c = s.appendSolidCurve(FigureKind::SolidCurveSc);
  c.radius = 10, c.flatness = 1, c.start = 0, c.sweep = -kPi / 2;  // from 270 to 360 degrees
  SolidCurveFigure& d = s.appendSolidCurve(FigureKind::SolidCurveSc);
  d.centreX = 100, d.radius = 1, d.flatness = 1, d.sweep = 0;  // whole
  DrawingExtents e = Compute(s);
  EXPECT_NEAR(e.YMin, -10.0, 1e-9);
  EXPECT_NEAR(e.YMax, 1.0, 1e-9);
  EXPECT_NEAR(e.XMin, 0.0, 1e-9);
}

}  // namespace
}  // namespace zf61
