#include "history/status_rules.h"

#include <gtest/gtest.h>

namespace history {
namespace {

StatusInput OnPage(NotebookPage page, int imageCount, int textCount) {
  StatusInput input;
  input.page = page;
  input.imageCount = imageCount;
  input.textCount = textCount;
  return input;
}

TEST(StatusRulesTest, EmptyHistory) {
  const StatusDecision images = DecideStatus(OnPage(NotebookPage::Images, 0, 0));
  EXPECT_FALSE(images.deleteEnabled);
  EXPECT_TRUE(images.fullscreenEnabled);
  EXPECT_EQ(images.editSaveCaption, L"&Save");

  const StatusDecision text = DecideStatus(OnPage(NotebookPage::Text, 0, 0));
  EXPECT_FALSE(text.deleteEnabled);
  EXPECT_FALSE(text.fullscreenEnabled);
  EXPECT_EQ(text.editSaveCaption, L"Ed&it");
}

TEST(StatusRulesTest, DeleteFollowsTheCountOfThePageShown) {
  EXPECT_TRUE(DecideStatus(OnPage(NotebookPage::Text, 0, 1)).deleteEnabled);
  EXPECT_FALSE(DecideStatus(OnPage(NotebookPage::Images, 0, 1)).deleteEnabled);
  EXPECT_TRUE(DecideStatus(OnPage(NotebookPage::Images, 54, 0)).deleteEnabled);
  EXPECT_FALSE(DecideStatus(OnPage(NotebookPage::Text, 54, 0)).deleteEnabled);
}

TEST(StatusRulesTest, PictureOnlyButtonsKeepTheirCaption) {
  for (NotebookPage page : {NotebookPage::Images, NotebookPage::Text}) {
    StatusInput input = OnPage(page, 3, 3);
    input.onlyBitmapsOnButtons = true;
    EXPECT_FALSE(DecideStatus(input).editSaveCaption.has_value());
    // A screen reader still hears what the button does on this page.
    EXPECT_EQ(DecideStatus(input).editSaveName, page == NotebookPage::Images ? L"&Save" : L"Ed&it");
  }
}

TEST(StatusRulesTest, CaptureStateChoosesCaptionIconAndHint) {
  StatusInput input = OnPage(NotebookPage::Images, 0, 0);
  const StatusDecision active = DecideStatus(input);
  EXPECT_EQ(active.windowCaption, L"Kestrel 99 Version 1.2  [Active]");
  EXPECT_TRUE(active.activeIconShown);
  EXPECT_FALSE(active.disabledIconShown);
  EXPECT_EQ(active.activeHint, L"Kestrel 99 is ACTIVE");
  EXPECT_FALSE(active.disabledHint.has_value());

  input.disableCapture = true;
  const StatusDecision disabled = DecideStatus(input);
  EXPECT_EQ(disabled.windowCaption, L"Kestrel 99 Version 1.2  [Disabled]");
  EXPECT_FALSE(disabled.activeIconShown);
  EXPECT_TRUE(disabled.disabledIconShown);
  EXPECT_EQ(disabled.disabledHint, L"Kestrel 99 is DISABLED");
  EXPECT_FALSE(disabled.activeHint.has_value());
  // Disabling capture changes nothing about the buttons.
  EXPECT_EQ(disabled.fullscreenEnabled, active.fullscreenEnabled);
  EXPECT_EQ(disabled.editSaveCaption, active.editSaveCaption);
}

}  // namespace
}  // namespace history
