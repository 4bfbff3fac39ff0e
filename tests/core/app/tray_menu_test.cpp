#include "app/tray_menu.h"

#include <gtest/gtest.h>

#include <vector>

namespace app {
namespace {

TEST(TrayMenuTest, ShowHideAndExitInTheOrderTheUserSeesThem) {
  const std::vector<TrayMenuItem> expected = {
      {201, L"Show Kestrel", false},
      {202, L"Hide Kestrel", false},
      {0, L"", true},
      {203, L"Exit Kestrel 99", false},
  };
  EXPECT_EQ(TrayMenu().Items(), expected);
  EXPECT_EQ(kShowKestrelCommand, 201);
  EXPECT_EQ(kHideKestrelCommand, 202);
  EXPECT_EQ(kExitCommand, 203);
}

}  // namespace
}  // namespace app
