// The option table is what ties each option to the control that shows it; a
// slip there would leave an option unreachable or let one click change two
// options.
#include "settings/options_layout.h"

#include <gtest/gtest.h>

#include <set>

namespace settings {
namespace {

TEST(OptionsLayoutTest, EveryOptionHasExactlyOneControlAndEveryControlItsOwnId) {
  std::multiset<Option> options;
  std::set<int> ids{kWallpaperDirectoryRow.controlId, kBrowseButtonId, kOkButtonId, kWallpaperLabelId,
                    kQuickPasteKeyRow.controlId, kQuickPasteKeyLabelId};
  for (int page = 0; page < kOptionsPageCount; ++page) ids.insert(kHintLabelIdBase + page);
  const size_t fixedIds = ids.size();
  for (const OptionRow& row : kOptions) {
    options.insert(row.option);
    ids.insert(row.controlId);
    EXPECT_GE(row.page, 0);
    EXPECT_LT(row.page, kOptionsPageCount);
  }
  EXPECT_EQ(ids.size(), fixedIds + kOptions.size()) << "two controls share an id";
  for (int option = 0; option <= static_cast<int>(Option::StartWithWindows); ++option)
    EXPECT_EQ(options.count(static_cast<Option>(option)), 1u);
}

}  // namespace
}  // namespace settings
