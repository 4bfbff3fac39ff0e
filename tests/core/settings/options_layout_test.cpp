// The options dialog's table is what ties each option to the control that
// shows it; a slip there would leave an option unreachable or let one click
// change two options.
#include "settings/options_layout.h"

#include <gtest/gtest.h>

#include <set>

namespace settings {
namespace {

TEST(OptionsLayoutTest, EveryOptionHasExactlyOneControlAndEveryControlItsOwnId) {
  std::multiset<Option> options;
  std::set<int> ids{kWallpaperDirectoryId, kBrowseButtonId, kOkButtonId, kWallpaperLabelId};
  for (int page = 0; page < kOptionsPageCount; ++page) ids.insert(kHintLabelIdBase + page);
  const size_t fixedIds = ids.size();
  for (const OptionControlLayout& control : kOptionControls) {
    options.insert(control.option);
    ids.insert(control.id);
    EXPECT_GE(control.page, 0);
    EXPECT_LT(control.page, kOptionsPageCount);
  }
  EXPECT_EQ(ids.size(), fixedIds + kOptionControls.size()) << "two controls share an id";
  for (const OptionDefault& option : kOptionDefaults) EXPECT_EQ(options.count(option.option), 1u);
}

}  // namespace
}  // namespace settings
