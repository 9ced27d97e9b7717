// TForm1: the main window's behaviour, whatever toolkit shows it. The run from reading
// JWC_TEMP.TXT to writing it back, the settings, the side panel's buttons, picture generation
// and hand-back, the full redraw with its back buffer, and navigation with keys, the wheel,
// two-button gestures, the middle-button drag and resizing. The front-end turns its events
// into calls of the handlers below and carries out what TForm1 asks of it.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>

#include "exchange/ExchangeWriter.h"
#include "files/FileOps.h"
#include "fill/RegionSearch.h"
#include "fill/RoomSelection.h"
#include "model/DrawingStore.h"
#include "model/EscKey.h"
#include "model/TextCodec.h"
#include "model/UnitGraAtt.h"
#include "output/AreaSplitter.h"
#include "output/Palette.h"
#include "output/PictureGenerator.h"
#include "view/EntityRenderer.h"
#include "view/PictureSource.h"
#include "view/ViewNavigator.h"
#include "window/Clock.h"
#include "window/FormFrontEnd.h"
#include "window/SettingsFile.h"

namespace zf61 {

// What the window needs of its platform besides the front-end.
struct FormServices {
  EscKey& esc;
  PictureSource& pictures;
  const TextCodec& codec;
  FileOps& files;
  DepthConverter& depths;
  const Clock& clock;
  RoomFinder* rooms = nullptr;       // without one, rooms are filled as closed figures
  AreaSplitter* splitter = nullptr;  // without one, nothing goes back as solids
};

class TForm1 {
 public:
  // FormCreate. `programFile`: the executable; JWC_TEMP.TXT, the settings file (its name with
  // ".dat") and the temporary picture live in its folder.
  TForm1(std::filesystem::path programFile, FormFrontEnd& frontEnd, FormServices services);
  ~TForm1();
  TForm1(const TForm1&) = delete;
  TForm1& operator=(const TForm1&) = delete;

  // The window is shown for the first time / closes by any means (both run once).
  void FormShow();
  void FormClose();

  void Button1Click();  // OK
  void Button2Click();  // Cancel
  void Button3Click();  // generate the picture
  void Button4Click();  // fill colour
  void Button5Click();  // picture file name
  void Button6Click();  // outline the regions and mark the open ends, without a picture
  void Button7Click();  // clear the rooms picked and skipped
  void ButtonClick(ButtonControl button);  // the button's own handler above
  void RadioGroup1Click(int item);
  // The way of filling, the gap or the arc division count may have changed: rooms found for
  // other values no longer hold, and their picks are cleared.
  void ControlsChanged();

  // The drawing area asks to be painted; afterwards it shows the canvas.
  void PaintBox1Paint();
  // The drawing area has a new size in pixels.
  void PaintBox1Resized(int32_t width, int32_t height);
  // Positions in drawing-area pixels; `buttons` is a set of MouseBits.
  void PaintBox1MouseDown(int32_t x, int32_t y, int buttons);
  void PaintBox1MouseMove(int32_t x, int32_t y);
  void PaintBox1MouseUp(int32_t x, int32_t y);
  // A Windows virtual-key code; true when the key is consumed (no control sees it).
  bool FormKeyDown(int key, bool shift);
  // Wheel turns in units of 1/120 notch (negative: towards the user), the pointer in
  // drawing-area pixels. Every whole notch zooms once.
  void FormMouseWheel(int32_t x, int32_t y, int delta);
  void RedrawView();

  const ViewWindow& view() const { return navigator_.view(); }
  const DrawingStore& store() const { return store_; }
  const TgraAttribute& attributes() const { return att_; }
  const Canvas& canvas() const { return *canvas_; }
  Colour fillColour() const { return fillColour_; }
  bool hasBackBuffer() const { return backBuffer_.has_value(); }
  bool closed() const { return closed_; }
  // The rooms as last found, with the user's picks; none before rooms were needed.
  const RoomSelection* roomSelection() const { return roomSelection_ ? &*roomSelection_ : nullptr; }

 private:
  void WindowSetUp();
  void ApplySettings(const Settings& settings);
  Settings CurrentSettings() const;
  void SetFillColour(Colour colour);
  void BeginLongTask(const char* status);
  void EndLongTask(const std::string& status);
  std::string TextOf(TextControl control) const { return frontEnd_.text(control); }

  void DrawRubberBand();
  void DrawPreview();
  PictureControls ControlValues() const;  // the side panel as the user left it
  RegionQuery QueryFromControls(bool openEnds);
  RegionQuery CurrentQuery() const;  // the same, without writing the division count back
  bool MakePlan(const GenerationRequest& request, TraceProgress* progress, FillPlan& plan);
  bool HandBackAsPicture();
  bool HandBackAsSolids();

  // Rooms picked with the mouse or the keys.
  bool EnsureRooms(const RegionQuery& query, TraceProgress* progress);
  bool RoomsWanted() const;
  void RoomClick(PixelPoint at, bool skip);
  void ShowRoomUnder(PixelPoint at);
  std::string RoomStatus(std::optional<size_t> room) const;
  bool RoomKey(int key, bool shift);
  void DrawRoomMarks();
  void ShowMarks();
  void TwoButtonRelease(int32_t x, int32_t y, PointD p, PointD q);
  void MiddleDragRelease(PointD p, PointD q);
  void PanByKey(int key, bool shift);
  void ZoomAboutCentre(double factor);

  std::filesystem::path programFile_;
  std::filesystem::path programFolder_;
  std::filesystem::path tempPicturePath_;
  FormFrontEnd& frontEnd_;
  FormServices services_;

  DrawingStore store_;
  TgraAttribute att_;
  ViewNavigator navigator_;
  EntityRenderer renderer_;
  RegionTracer tracer_;
  std::unique_ptr<Canvas> canvas_;
  std::optional<RasterImage> backBuffer_;
  std::optional<RasterImage> dragImage_;
  PicturePlacement placement_;
  // What the last 作図実行 painted, at how many chords per curve, and how OK hands it back: the
  // way it was made, whatever 貼付け shows by then (solids make no picture file, and a picture
  // is what the user saw placed).
  struct LastFill {
    FillPlan plan;
    int divisions = kDefaultArcDivisions;
    HandBackKind handBack = HandBackKind::Picture;
  };
  std::optional<LastFill> lastFill_;
  std::optional<FoundRegions> preview_;  // shown until the next view change
  std::optional<RoomSelection> roomSelection_;
  std::optional<size_t> roomUnderPointer_;
  Colour fillColour_ = kWhite;

  bool ready_ = false;
  bool shown_ = false;
  bool closed_ = false;
  int mouseState_ = 0;
  PixelPoint pressPoint_;
  PixelPoint bandEnd_;
  bool pressMoved_ = false;  // the pointer left the press point: no click
  bool bandOnScreen_ = false;
  int wheelRemainder_ = 0;
};

}  // namespace zf61
