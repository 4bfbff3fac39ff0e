// WindowPlacementStore keeps a form's placement in its section of the
// settings file; OptionStore adds the options. A store attaches itself to
// its form: it loads before every showing and stores when a close goes
// through, and when the window is destroyed with nothing stored since the
// last load. It never writes before it has loaded once in the run, so a
// window that was not shown leaves its section as an earlier run left it.
#pragma once

#include <functional>
#include <string>

#include "settings/profile_rules.h"
#include "settings/profile_store.h"
#include "settings/settings.h"
#include "ui/form.h"

namespace settings {

class WindowPlacementStore : public ui::FormPersistence {
 public:
  // Gives the file name for one load or store; without one, the settings
  // file wherever it is to be used at that moment.
  using FileNameSource = std::function<std::wstring()>;

  WindowPlacementStore(ui::Form& form, std::wstring section, FileNameSource fileName = {});
  ~WindowPlacementStore() override;
  WindowPlacementStore(const WindowPlacementStore&) = delete;
  WindowPlacementStore& operator=(const WindowPlacementStore&) = delete;

  // Reads the section into the window (and the options) while the window is
  // hidden; returns the show command of the stored window state.
  int Load() override;
  // Writes the section, if the store has loaded once in this run.
  void Store();
  void StoreOnClose() override { Store(); }
  void StoreOnDestroy() override;

 protected:
  virtual void LoadProperties(ProfileStore& file) {}
  virtual bool StoreProperties(ProfileStore& file) { return true; }

 private:
  void ApplyPlacement(ProfileStore& file);
  void SetMaximizedPositionToFrame();

  ui::Form& form_;
  std::wstring section_;
  FileNameSource fileName_;
  StoreSchedule schedule_;
};

class OptionStore : public WindowPlacementStore {
 public:
  OptionStore(ui::Form& form, Settings& settings, FileNameSource fileName = {});

 protected:
  void LoadProperties(ProfileStore& file) override;
  bool StoreProperties(ProfileStore& file) override;

 private:
  Settings& settings_;
};

}  // namespace settings
