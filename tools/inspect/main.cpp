// zf61-inspect FILE: prints what the program reads from an exchange file, as JSON.
#include <cstdio>
#include <filesystem>
#include <string>

#include "exchange/ExchangeReader.h"
#include "inspect/JsonWriter.h"
#include "inspect/StoreJson.h"

namespace {

constexpr int kExitUnreadable = 2;

int Usage() {
  std::fprintf(stderr, "usage: zf61-inspect FILE\n");
  return kExitUnreadable;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  std::filesystem::path path(argv[1]);
  zf61::DrawingStore store;
  zf61::ExchangeReader reader(store);
  if (!reader.readExchangeFile(path)) {
    std::fprintf(stderr, "zf61-inspect: cannot read %s\n", argv[1]);
    return kExitUnreadable;
  }
  zf61::JsonWriter json;
  zf61::WriteStoreJson(store, json);
  std::string text = json.text();
  text += '\n';
  std::fwrite(text.data(), 1, text.size(), stdout);
  return 0;
}
