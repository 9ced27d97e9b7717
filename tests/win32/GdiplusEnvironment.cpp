// GDI+ is started once for the whole suite, as the program starts it once.
#include <gtest/gtest.h>

#include "platform/GdiplusSession.h"

namespace {

class GdiplusEnvironment final : public testing::Environment {
 public:
  void SetUp() override { session_ = std::make_unique<zf61::win32::GdiplusSession>(); }
  void TearDown() override { session_.reset(); }

 private:
  std::unique_ptr<zf61::win32::GdiplusSession> session_;
};

const testing::Environment* const kGdiplus =
    testing::AddGlobalTestEnvironment(new GdiplusEnvironment);

}  // namespace
