// The window's captions, items and texts (UTF-8), the same for every front-end. "&" marks the
// accelerator letter (Alt plus that letter).
#pragma once

#include "model/Colour.h"

namespace zf61 {

inline constexpr const char* kApplicationTitle = "zf61_塗り";
inline constexpr const char* kWindowCaption = "塗り";
// The window's font and its pixel height; where it is not installed a Japanese gothic stands in.
inline constexpr const char* kFontFace = "ＭＳ ゴシック";
inline constexpr int kFontPixels = 13;

inline constexpr const char* kCaptionRadioGroup1 = "背景色(&B)";
inline constexpr const char* kBackgroundItems[] = {"白", "黒"};
inline constexpr const char* kCaptionButton4 = "色(&C)";
inline constexpr const char* kCaptionLabel3 = "アルファ値";
inline constexpr const char* kCaptionButton5 = "画像ファイル名(&I)";
inline constexpr const char* kCaptionLabel5 = "保存画像色";
inline constexpr const char* kDepthItems[] = {"2色", "16色", "256色", "24bit色", "32bit色"};
inline constexpr const char* kCaptionLabel4 = "円弧分割数";
inline constexpr const char* kCaptionLabel6 = "塗り方";
inline constexpr const char* kMethodItems[] = {"閉図形", "部屋"};
inline constexpr const char* kCaptionLabel7 = "隙間";
inline constexpr const char* kCaptionLabel8 = "画像倍率";
inline constexpr const char* kMagnificationItems[] = {"1", "2", "3", "4", "5", "6", "7", "8"};
inline constexpr const char* kCaptionLabel9 = "貼付け";
inline constexpr const char* kHandBackItems[] = {"画像", "ソリッド"};
inline constexpr const char* kCaptionCheckBox1 = "面積を記入";
inline constexpr const char* kCaptionButton3 = "作図実行(&G)";
inline constexpr const char* kCaptionButton6 = "確認(&P)";
inline constexpr const char* kCaptionButton7 = "選択解除";
inline constexpr const char* kCaptionButton1 = "ＯＫ(&Y)";
inline constexpr const char* kCaptionButton2 = "キャンセル(&N)";

// The status line starts as one full-width blank.
inline constexpr const char* kStatusBlank = "　";
// The status line while a picture is made, how far the search for regions got (between the
// two parts, a percentage), after the user stopped it, and when OK could not write the picture.
inline constexpr const char* kStatusGenerating = "作図中です…";
inline constexpr const char* kStatusWritingFile = "ファイル生成中です";
inline constexpr const char* kStatusSearching = "閉じた領域を探しています… ";
inline constexpr const char* kStatusSearchingEnd = "%（Esc キーで中止）";
inline constexpr const char* kStatusStopped = "作図を中止しました。";
// After a picture: how many regions it painted. After 確認: how many regions and open ends.
inline constexpr const char* kStatusPaintedAfter = " 個の領域を塗りました。";
inline constexpr const char* kStatusPreviewRegions = "領域 ";
inline constexpr const char* kStatusPreviewOpenEnds = " 個、開いた端（赤い×印） ";
inline constexpr const char* kStatusPreviewEnd = " 個";
// Rooms picked with the mouse: the room under the pointer with its area at real size, how many
// rooms are picked in how many colours and how many are skipped, and what cleared the picks.
inline constexpr const char* kStatusSearchingRooms = "部屋を探しています…";
inline constexpr const char* kStatusRoom = "部屋 ";
inline constexpr const char* kStatusSquareMetres = " ㎡（";
inline constexpr const char* kStatusTatami = " 帖）";
inline constexpr const char* kStatusPicked = "選択 ";
inline constexpr const char* kStatusPickedRooms = " 室・";
inline constexpr const char* kStatusPickedColours = " 色";
inline constexpr const char* kStatusSkipped = "除外 ";
inline constexpr const char* kStatusSkippedRooms = " 室";
inline constexpr const char* kStatusSeparator = "　";
inline constexpr const char* kStatusNoRoom = "ここは部屋の外です。";
inline constexpr const char* kStatusPicksCleared = "部屋の選択を解除しました。";
inline constexpr const char* kStatusRoomsFoundAgain =
    "塗り方・隙間・円弧分割数が変わったので、部屋の選択を解除しました。";
// With 貼付け set to ソリッド: after a picture, what OK will do; when the solids cannot be made.
inline constexpr const char* kStatusSolidsOnOk = "ＯＫでソリッドとして貼り付けます。";
inline constexpr const char* kStatusSolidsFailed =
    "ソリッドを作れませんでした。貼付けを画像にして作図し直して下さい。";
inline constexpr const char* kStatusCopyFailed =
    "画像ファイルを書き込めませんでした。画像ファイル名を変えて作図し直して下さい。";

// The messages of 作図実行: no name, a name that is not a BMP, a name with a character that
// Shift-JIS cannot hold (the character between the two parts), a magnified picture too large
// to be made or too large for the memory there is.
inline constexpr const char* kMessageNoFileName =
    "画像ファイル名の入力／画像ファイル指定を行って下さい。";
inline constexpr const char* kMessageBmpOnly = "画像ファイル名は BMP形式のみです。";
inline constexpr const char* kMessageNotInCp932Before = "画像ファイル名の文字「";
inline constexpr const char* kMessageNotInCp932After =
    "」は Jw_cad に渡せません。別の名前にして下さい。";
inline constexpr const char* kMessageTooLarge =
    "画像が大きすぎます（2億6千万画素まで）。画像倍率を下げるか、画面を小さくして下さい。";
inline constexpr const char* kMessageNoMemory =
    "画像を作るメモリが足りません。画像倍率を下げて下さい。";
// The save-picture dialog, when the folder of the chosen name is missing.
inline constexpr const char* kMessageFolderMissing =
    "フォルダーが存在しません。\nフォルダー名を確認してください。";
// A room's area written into the drawing after its square metres.
inline constexpr const char* kAreaLabelUnit = "㎡";

// The save-picture dialog's filter, as "description|pattern".
inline constexpr const char* kPictureFilter = "ビットマップ (*.bmp)|*.bmp";

// Layout shared by the front-ends, in pixels, and their colours.
inline constexpr int kPanelWidth = 178;
inline constexpr Colour kPanelColour = MakeColour(255, 251, 240);   // Panel2: cream
inline constexpr Colour kStatusColour = MakeColour(212, 208, 200);  // LabelA1: light grey

}  // namespace zf61
