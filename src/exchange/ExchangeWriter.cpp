// The exchange-file writer and the picture hand-back.
#include "exchange/ExchangeWriter.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <string>

#include "files/AtomicFile.h"
#include "model/Numbers.h"

namespace zf61 {
namespace {

// A direction shorter than this on both axes has no direction.
constexpr double kDirectionTolerance = 1e-8;
// A picture narrower than this is not handed back.
constexpr double kMinimumPictureWidth = 1e-10;
constexpr size_t kCopyBlockBytes = 2048;
constexpr std::string_view kLineEnd = "\r\n";

bool EndsWithQuote(const std::string& line) {
  return !line.empty() && line.back() == '"';
}

std::string JoinOutputLines(const std::vector<std::string>& lines) {
  std::string content;
  if (lines.empty()) {
    content = "hq";
    content += kLineEnd;
    return content;
  }
  for (size_t i = 0; i < lines.size(); ++i) {
    content += lines[i];
    if (EndsWithQuote(lines[i])) {
      // The key line of a text record and its data make one line of the file.
      if (i + 1 == lines.size()) break;
      content += lines[++i];
    }
    content += kLineEnd;
  }
  return content;
}

bool CopyBlocks(std::ifstream& in, AtomicFile& out) {
  char block[kCopyBlockBytes];
  while (in) {
    in.read(block, sizeof block);
    std::streamsize got = in.gcount();
    if (got <= 0) break;
    if (!out.write(std::string_view(block, static_cast<size_t>(got)))) return false;
  }
  return !in.bad();
}

}  // namespace

std::string_view TextKeyOfVariant(int32_t variant) {
  static constexpr std::string_view kKeys[] = {"ch", "cv", "cs", "cr", "co",
                                               "cp", "ct", "ck", "cz", "c2"};
  if (variant < 1 || variant > 9) return kKeys[0];
  return kKeys[variant];
}

void addTextRecord(DrawingStore& store, int32_t variant, std::string_view data, double x, double y,
                   double dirX, double dirY) {
  if (std::fabs(dirX) <= kDirectionTolerance && std::fabs(dirY) <= kDirectionTolerance) return;
  if (StripBlanks(data).empty()) return;
  std::string keyLine(TextKeyOfVariant(variant));
  for (double v : {x, y, dirX, dirY}) {
    keyLine += ' ';
    keyLine += FormatGeneral(v);
  }
  keyLine += " \"";
  store.appendOutputLine(keyLine);
  store.appendOutputLine(data);
}

bool writeExchangeFile(const DrawingStore& store, const std::filesystem::path& path, FileOps& ops) {
  if (WriteFileAtomically(path, JoinOutputLines(store.outputLines), ops)) return true;
  // Jw_cad must not apply the file it wrote itself as if it were our answer.
  ops.remove(path);
  return false;
}

bool copyFileKeepingTime(const std::filesystem::path& source,
                         const std::filesystem::path& destination, FileOps& ops) {
  std::ifstream in(source, std::ios::binary);
  if (!in) return false;
  AtomicFile out(destination, ops);
  if (!out.open() || !CopyBlocks(in, out)) return false;
  in.close();
  ops.makeWritable(destination);  // an old read-only picture is replaced like any other
  if (!out.commit()) return false;
  ops.copyLastWriteTime(source, destination);
  return true;
}

void EnsureBzLine(DrawingStore& store) {
  std::vector<std::string>& lines = store.outputLines;
  if (std::find(lines.begin(), lines.end(), "bz") == lines.end()) lines.insert(lines.begin(), "bz");
}

HandBack handBackPicture(DrawingStore& store, const std::filesystem::path& target,
                         std::string_view targetText, const std::filesystem::path& tempPicture,
                         const PicturePlacement& placement, FileOps& ops) {
  std::error_code error;
  if (targetText.empty() || !std::filesystem::exists(tempPicture, error)) {
    return HandBack::NoPicture;
  }
  if (!copyFileKeepingTime(tempPicture, target, ops)) return HandBack::CopyFailed;
  if (!std::filesystem::exists(target, error)) return HandBack::CopyFailed;
  if (!(placement.pictureWidth > kMinimumPictureWidth)) return HandBack::NoPicture;
  EnsureBzLine(store);  // the placement is in paper millimetres
  std::string data = "^@BM";
  data += targetText;
  data += ',';
  data += FormatFixed(3, placement.pictureWidth);
  addTextRecord(store, 0, data, placement.pictureX0, placement.pictureY0, 1.0, 0.0);
  return HandBack::Handed;
}

}  // namespace zf61
