// DirectoryTree: a tree of the drives and their directories, with the
// shell's small icons and drive names, read lazily: a directory's children
// are read when it is first opened (fixed, network and RAM drives have
// their first level read at once).
//
// Reading runs on a worker thread, because one directory may hold tens of
// thousands of entries or sit on a drive that answers slowly; the worker
// hands each listing back by a posted message and the GUI thread inserts it
// in batches, so the window keeps painting and answering throughout. Only
// the GUI thread touches windows, and the worker ends with the window.
//
// The tree view sits inside a frame window of our own, so that its
// notifications and the worker's messages come to this object.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "ui/window.h"

namespace tools {

class DirectoryTree : public ui::Window {
 public:
  void Create(HWND parent, int x, int y, int width, int height);

  // The selected directory in upper case with a trailing backslash, or "?"
  // when nothing is selected.
  std::wstring SelectedDirectory() const;
  // Opens the tree down to `path` and selects it, scrolled to the top. A
  // path that is already selected, or that is neither a drive root nor an
  // existing directory, changes nothing; so does one with a part the tree
  // does not find. Directories not read yet are read first, so the walk may
  // finish after this returns (IsBusy tells).
  void SelectDirectory(const std::wstring& path);
  // Whether a read or a walk to a directory is still under way.
  bool IsBusy() const { return readsPending_ > 0 || walk_.has_value(); }
  HWND TreeView() const { return tree_; }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  enum class ReadState { Unread, Reading, Read };
  struct Node {
    std::wstring path;  // ends in a backslash
    HTREEITEM item = nullptr;
    ReadState state = ReadState::Unread;
    bool expandWhenRead = false;
  };
  struct Entry {
    std::wstring name;
    bool mayHaveChildren = true;
  };
  // What the worker hands back for one directory.
  struct Listing {
    Node* node = nullptr;
    bool readable = false;
    std::vector<Entry> entries;
    size_t inserted = 0;
  };
  struct ReadJob {
    Node* node;
    std::wstring path;
  };
  // A SelectDirectory that waits for directories on its way to be read.
  struct Walk {
    std::wstring target;  // as SelectedDirectory answers it
    std::vector<std::wstring> components;
    size_t next = 0;
    HTREEITEM item = nullptr;  // the part found last (null: the drive level)
  };

  void CreateTreeView();
  void AddDrives();
  void AddDrive(wchar_t letter);
  HTREEITEM InsertItem(HTREEITEM parent, const std::wstring& text, int image, int openImage, bool mayHaveChildren,
                       Node& node);
  Node* NodeOf(HTREEITEM item) const;
  void RequestRead(Node& node);
  void InsertListingBatch();
  void FinishListing(Listing& listing);
  void ContinueWalk();
  void ScrollToTop(HTREEITEM item);
  HTREEITEM FindChild(HTREEITEM parent, const std::wstring& path) const;
  void ShowBusyCursor() const;
  void RefreshCursor() const;

  LRESULT OnNotify(const NMHDR& header);
  BOOL OnItemExpanding(const NMTREEVIEWW& change);
  void OnSize();
  bool OnSetCursor();
  void OnDestroy();

  void StartWorker();
  void StopWorker();
  void WorkerLoop(HWND window);

  HWND tree_ = nullptr;  // a child of ours: it goes with our window
  int folderImage_ = 0;
  int openFolderImage_ = 0;
  std::deque<Node> nodes_;  // a deque keeps every node where it is
  std::optional<Listing> inserting_;
  int readsPending_ = 0;
  std::optional<Walk> walk_;

  // Shared with the worker, under mutex_.
  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<ReadJob> jobs_;
  std::deque<Listing> done_;
  bool stopping_ = false;
  std::thread worker_;
};

}  // namespace tools
