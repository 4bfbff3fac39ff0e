// DirectoryTree: a tree of the drives and their directories, with the
// shell's small icons and drive names. Nothing is read until the tree is
// first filled (when its window first opens, or when it is told to select
// a directory); from then on each opening brings the drive list up to date
// and reads the open directories again, and each expansion reads the
// node's subdirectories again, so folders made meanwhile can be picked.
// New entries are merged in: what is open and selected stays so.
//
// Every question to a drive runs on a thread of its own, because a
// directory may hold tens of thousands of entries or sit on a network
// drive that has gone away and only answers when the network times out.
// Nobody ever waits for such a thread: it hands its answer back through
// state it shares with the tree and a posted message, and when the tree is
// gone meanwhile the answer is dropped. Only the GUI thread touches
// windows. The GUI thread inserts a listing in batches, so the window
// keeps painting and answering throughout.
//
// The tree view sits inside a frame window of our own, so that its
// notifications and the readers' messages come to this object.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <atomic>
#include <deque>
#include <functional>
#include <list>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "ui/accessible_object.h"
#include "ui/window.h"

namespace tools {

class DirectoryTree : public ui::Window {
 public:
  struct Entry {
    std::wstring name;
    bool mayHaveChildren = true;
  };
  struct Listing {
    bool readable = false;
    std::vector<Entry> entries;  // directories only, in any order
  };
  struct DriveInfo {
    bool shown = false;  // whether the shell answers for the drive's root
    std::wstring name;
    int image = 0;
    bool hasSubfolders = false;
    bool readsAtOnce = false;  // the first level is read as soon as the drive is shown
  };
  // What the tree asks of drives. PresentDrives runs on the GUI thread and
  // must not touch a drive; the others run on reader threads and may block.
  struct FileSystem {
    std::function<DWORD()> presentDrives;  // bit 0 is A:
    std::function<DriveInfo(wchar_t letter)> describeDrive;
    // `abandoned` turns true when nobody wants the answer any more.
    std::function<Listing(const std::wstring& directory, const std::atomic<bool>& abandoned)> listDirectory;
  };
  static FileSystem SystemFileSystem();

  DirectoryTree();
  ~DirectoryTree() override;
  DirectoryTree(const DirectoryTree&) = delete;
  DirectoryTree& operator=(const DirectoryTree&) = delete;

  // Makes the windows; reads nothing yet.
  void Create(HWND parent, int x, int y, int width, int height);
  // For the window's opening: fills the tree the first time; later brings
  // the drive list up to date and reads the open directories again.
  void Refresh();
  void SetFileSystem(FileSystem fileSystem) { fileSystem_ = std::move(fileSystem); }

  // The selected directory in upper case with a trailing backslash, or "?"
  // when nothing is selected.
  std::wstring SelectedDirectory() const;
  // Opens the tree down to `path` and selects it, scrolled to the top. A
  // path that is already selected, or that is neither a drive root nor an
  // existing directory, changes nothing; so does one with a part the tree
  // does not find, even after reading its parent again. Directories not
  // read yet are read first, so the walk may finish after this returns
  // (IsBusy tells).
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
    HTREEITEM item = nullptr;  // null once its item is deleted
    ReadState state = ReadState::Unread;
    bool expandWhenRead = false;
  };
  // One question to a drive and its answer: a directory's listing when
  // `node` is set, else the description of drive `letter`.
  struct Answer {
    Node* node = nullptr;
    std::wstring path;
    wchar_t letter = 0;
    Listing listing;
    DriveInfo drive;
  };
  // The part the readers share with the tree; it outlives whichever ends last.
  struct Shared {
    std::mutex mutex;
    HWND window = nullptr;  // null once the tree is gone: answers are dropped
    std::list<Answer> answers;
    std::atomic<bool> abandoned{false};
  };
  // A listing being merged into its node's children, a batch at a time.
  struct Merge {
    Answer answer;
    size_t next = 0;
    HTREEITEM previous = nullptr;  // the child placed last (null: none yet)
    std::unordered_map<std::wstring, HTREEITEM> existing;  // the children kept, by name in upper case
  };
  // A SelectDirectory that waits for directories on its way to be read.
  struct Walk {
    std::wstring target;  // as SelectedDirectory answers it
    std::vector<std::wstring> components;
    size_t next = 0;
    HTREEITEM item = nullptr;  // the part found last (null: the drive level)
    HTREEITEM readAgain = nullptr;  // the part read again for a missing child
  };

  void UseSystemImages();
  void FillDrives();
  void RemoveGoneDrives(DWORD present);
  void InsertDrive(const Answer& answer);
  HTREEITEM InsertItem(HTREEITEM parent, HTREEITEM after, const std::wstring& text, int image, int openImage,
                       bool mayHaveChildren, Node& node);
  Node* NodeOf(HTREEITEM item) const;
  Node* DriveNode(wchar_t letter) const;
  void RequestRead(Node& node);
  void AskDrive(wchar_t letter);
  void StartReader(Answer question);
  void TakeAnswer();
  void StartMerge(Answer answer);
  void MergeBatch();
  void PlaceEntry(Merge& merge, const Entry& entry, Node& parent);
  void FinishListing(Node& node, bool readable, bool empty);
  void SetChildren(HTREEITEM item, bool hasChildren);
  void ExpandQuietly(HTREEITEM item);
  void ContinueWalk();
  void ScrollToTop(HTREEITEM item);
  HTREEITEM FindChild(HTREEITEM parent, const std::wstring& path) const;
  void ShowBusyCursor() const;
  void RefreshCursor() const;
  void Disconnect();

  LRESULT OnNotify(const NMHDR& header);
  BOOL OnItemExpanding(const NMTREEVIEWW& change);
  void OnDeleteItem(const NMTREEVIEWW& change);
  void OnSize();
  bool OnSetCursor();

  HWND tree_ = nullptr;  // a child of ours: it goes with our window
  ui::AccessibleLabel treeLabel_;
  FileSystem fileSystem_ = SystemFileSystem();
  bool filled_ = false;
  bool quietExpand_ = false;
  int folderImage_ = 0;
  int openFolderImage_ = 0;
  DWORD drivesAsked_ = 0;
  std::deque<Node> nodes_;  // a deque keeps every node where it is
  std::optional<Merge> merging_;
  int readsPending_ = 0;
  std::optional<Walk> walk_;
  std::shared_ptr<Shared> shared_;
};

}  // namespace tools
