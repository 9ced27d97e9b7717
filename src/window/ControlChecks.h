// The side panel's values checked before a picture is made: the opacity, the arc division count
// and the depth clamped, the gap read, and the picture's name refused with a message when it is
// missing, not a BMP, or holds a character that Jw_cad's Shift-JIS cannot name; and where the
// picture goes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/TextCodec.h"
#include "output/PictureGenerator.h"

namespace zf61 {

// `drawingFileName` is the drawing's "file=" path and `programFolder` the program's folder, both
// UTF-8 and the latter ending in a separator. Solids need no name. Without a `codec` the name's
// characters are not checked (tools and tests whose names are plain ASCII).
GenerationRequest CheckControls(const PictureControls& controls, std::string_view drawingFileName,
                                std::string_view programFolder, const TextCodec* codec);

// What the controls ask to be found (塗り方, 円弧分割数 clamped, 隙間), read as CheckControls reads
// them, without checking the picture's name: cheap enough for every pointer move.
RegionQuery QueryOfControls(const PictureControls& controls, bool openEnds = false);

// Both steps at once: the controls checked, then the picture made (a refused name makes none).
GenerationResult GeneratePicture(PictureGenerator& generator, const PictureControls& controls,
                                 std::string_view drawingFileName, Canvas& canvas,
                                 const std::filesystem::path& tempPicture,
                                 std::string_view programFolder, const TextCodec* codec = nullptr);

// The first character of `utf8` that code page 932 cannot hold; none when it holds them all.
std::optional<std::string> CharacterNotInCp932(std::string_view utf8, const TextCodec& codec);

// Where the picture goes: the name as typed when its folder exists, else the drawing's folder
// followed by the typed file name. Where the drawing's folder does not exist on this machine
// either (a drawing of another computer, or none), the program's folder takes its place, so
// that OK never writes to a folder that is not there.
std::string TargetPathFor(std::string_view edit1, std::string_view drawingFileName,
                          std::string_view programFolder);

// What the user is told when a picture is refused.
std::string RefusalMessage(Refusal refusal);

// A room's area as written into the drawing: square metres to two decimals and the unit.
std::string AreaLabel(double squareMetres);

}  // namespace zf61
