#include "history/status_rules.h"

#include <string_view>

namespace history {

StatusDecision DecideStatus(const StatusInput& input) {
  StatusDecision decision;
  const bool imagesPage = input.page == NotebookPage::Images;
  const int shownCount = imagesPage ? input.imageCount : input.textCount;

  decision.deleteEnabled = shownCount > 0;
  decision.fullscreenEnabled = imagesPage;
  decision.editSaveName = std::wstring(imagesPage ? kSaveCaption : kEditCaption);
  if (!input.onlyBitmapsOnButtons) decision.editSaveCaption = decision.editSaveName;

  const bool active = !input.disableCapture;
  decision.windowCaption = std::wstring(active ? kActiveWindowCaption : kDisabledWindowCaption);
  decision.activeIconShown = active;
  decision.disabledIconShown = !active;
  if (active) {
    decision.activeHint = std::wstring(kActiveHint);
  } else {
    decision.disabledHint = std::wstring(kDisabledHint);
  }
  return decision;
}

}  // namespace history
