// Joining the GUI thread to a COM apartment: the system's imaging codecs,
// which read pictures offered as PNG, are COM objects.
#pragma once

#include <windows.h>
#include <objbase.h>

namespace ui {

// The GUI thread is in an apartment for as long as this lives.
class ComApartment {
 public:
  ComApartment() : joined_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ~ComApartment() {
    if (joined_) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  bool joined_;
};

}  // namespace ui
