// The photo workload.
#include "PhotoWorkload.h"

#include <QDir>
#include <QImage>

#include <filesystem>
#include <map>

#include "exchange/ExchangeReader.h"

namespace zf61::bench {

const std::string& PhotoFile(int width, int height) {
  static std::map<std::pair<int, int>, std::string> written;
  std::string& path = written[{width, height}];
  if (!path.empty()) return path;
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(image.scanLine(y));
    for (int x = 0; x < width; ++x) {
      uint32_t noise =
          (static_cast<uint32_t>(x) * 2654435761u) ^ (static_cast<uint32_t>(y) * 40503u);
      row[x] = 0xFF000000u | ((x * 255 / width) << 16) | ((y * 255 / height) << 8) | (noise >> 24);
    }
  }
  path = (std::filesystem::temp_directory_path() /
          ("zf61-bench-photo-" + std::to_string(width) + "x" + std::to_string(height) + ".jpg"))
             .string();
  image.save(QString::fromStdString(path), "JPEG", 90);
  return path;
}

void FillPhotoDrawing(DrawingStore& store, const std::string& path, const std::string& numbers,
                      double dirX, double dirY) {
  ExchangeReader reader(store);
  reader.parseLine("ch 0 0 " + std::to_string(dirX) + " " + std::to_string(dirY) + " \"^@BM" +
                   path + ",300" + numbers);
  // A frame around the photo, so that the fitted view shows all of it however it is turned.
  for (const char* line :
       {"-350 -350 350 -350", "350 -350 350 350", "350 350 -350 350", "-350 350 -350 -350"}) {
    reader.parseLine(line);
  }
}

}  // namespace zf61::bench
