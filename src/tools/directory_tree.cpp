#include "tools/directory_tree.h"

#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>

#include "core/window_classes.h"
#include "tools/directory_rules.h"
#include "ui/control.h"

namespace tools {

namespace {

// The worker posted a listing, or the GUI thread has more of one to insert.
constexpr UINT kListingReadyMessage = WM_APP + 1;
// Items inserted per message turn: small enough that painting and input
// get through between batches of a huge directory.
constexpr size_t kInsertBatch = 200;
// Entries looked at to learn whether a directory has subdirectories; past
// that it is shown as openable and reading it will tell.
constexpr int kChildProbeLimit = 64;
// Subdirectories probed that way per listing: beyond it, in a huge
// directory, the probes would cost more than they save.
constexpr size_t kProbedEntriesLimit = 1000;
constexpr wchar_t kAllEntries[] = L"*";
constexpr wchar_t kFirstDrive = L'A';
constexpr wchar_t kLastDrive = L'Z';
constexpr DWORD kTreeStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT |
                             TVS_SHOWSELALWAYS;

bool IsDirectoryEntry(const WIN32_FIND_DATAW& data) {
  if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
  const std::wstring_view name = data.cFileName;
  return name != L"." && name != L"..";
}

// A search of a directory's entries, closed at the end of the scope.
class DirectorySearch {
 public:
  explicit DirectorySearch(const std::wstring& directory)
      : handle_(FindFirstFileExW((directory + kAllEntries).c_str(), FindExInfoBasic, &data_,
                                 FindExSearchLimitToDirectories, nullptr, 0)) {}
  ~DirectorySearch() {
    if (handle_ != INVALID_HANDLE_VALUE) FindClose(handle_);
  }
  DirectorySearch(const DirectorySearch&) = delete;
  DirectorySearch& operator=(const DirectorySearch&) = delete;

  bool Opened() const { return handle_ != INVALID_HANDLE_VALUE; }
  const WIN32_FIND_DATAW& Current() const { return data_; }
  bool Next() { return FindNextFileW(handle_, &data_) != FALSE; }

 private:
  WIN32_FIND_DATAW data_{};
  HANDLE handle_;
};

bool MayHaveSubdirectory(const std::wstring& directory) {
  DirectorySearch search(directory);
  if (!search.Opened()) return false;
  int looked = 0;
  do {
    if (IsDirectoryEntry(search.Current())) return true;
  } while (++looked < kChildProbeLimit && search.Next());
  return looked >= kChildProbeLimit;
}

bool NameLess(const std::wstring& a, const std::wstring& b) {
  return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(), static_cast<int>(a.size()), b.c_str(),
                        static_cast<int>(b.size())) == CSTR_LESS_THAN;
}

bool SameName(const std::wstring& a, const std::wstring& b) {
  return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) ==
         CSTR_EQUAL;
}

bool IsExistingDirectory(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Drives whose first level is cheap and safe to read before anyone asks.
bool ReadsAtOnce(UINT driveType) {
  return driveType == DRIVE_FIXED || driveType == DRIVE_REMOTE || driveType == DRIVE_RAMDISK;
}

int FolderImage(UINT extraFlags) {
  SHFILEINFOW info{};
  SHGetFileInfoW(L"folder", FILE_ATTRIBUTE_DIRECTORY, &info, sizeof(info),
                 SHGFI_USEFILEATTRIBUTES | SHGFI_SYSICONINDEX | SHGFI_SMALLICON | extraFlags);
  return info.iIcon;
}

}  // namespace

void DirectoryTree::Create(HWND parent, int x, int y, int width, int height) {
  ui::WindowParams params =
      ui::WindowParams::Child(core::kDirectoryTreeClass, parent, x, y, width, height, WS_CLIPCHILDREN);
  params.exStyle = WS_EX_CONTROLPARENT;
  params.background = GetSysColorBrush(COLOR_WINDOW);
  CreateFromParams(params);
  CreateTreeView();
  StartWorker();
  AddDrives();
}

void DirectoryTree::CreateTreeView() {
  RECT client{};
  GetClientRect(Handle(), &client);
  tree_ = CreateWindowExW(WS_EX_CLIENTEDGE, WC_TREEVIEWW, L"", kTreeStyle, 0, 0, client.right, client.bottom,
                          Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!tree_) throw ui::UserError(L"Could not create the directory tree.");
  SendMessageW(tree_, WM_SETFONT, reinterpret_cast<WPARAM>(ui::DefaultGuiFont()), FALSE);
  // The system image list is shared by every program: the tree only borrows it.
  SHFILEINFOW info{};
  const auto images = reinterpret_cast<HIMAGELIST>(
      SHGetFileInfoW(L"C:\\", 0, &info, sizeof(info), SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
  TreeView_SetImageList(tree_, images, TVSIL_NORMAL);
  folderImage_ = FolderImage(0);
  openFolderImage_ = FolderImage(SHGFI_OPENICON);
}

void DirectoryTree::AddDrives() {
  const DWORD present = GetLogicalDrives();
  for (wchar_t letter = kFirstDrive; letter <= kLastDrive; ++letter) {
    if (present & (1u << (letter - kFirstDrive))) AddDrive(letter);
  }
}

void DirectoryTree::AddDrive(wchar_t letter) {
  const std::wstring root = DriveRoot(std::wstring(1, letter));
  SHFILEINFOW info{};
  info.dwAttributes = SFGAO_HASSUBFOLDER;
  const UINT flags = SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_DISPLAYNAME | SHGFI_ATTRIBUTES | SHGFI_ATTR_SPECIFIED;
  if (!SHGetFileInfoW(root.c_str(), 0, &info, sizeof(info), flags)) return;
  const bool hasSubfolders = (info.dwAttributes & SFGAO_HASSUBFOLDER) != 0;
  const std::wstring name = info.szDisplayName[0] ? std::wstring(info.szDisplayName) : root;
  Node& node = nodes_.emplace_back(Node{root});
  InsertItem(TVI_ROOT, name, info.iIcon, info.iIcon, hasSubfolders, node);
  if (!hasSubfolders) {
    node.state = ReadState::Read;
  } else if (ReadsAtOnce(GetDriveTypeW(root.c_str()))) {
    RequestRead(node);
  }
}

HTREEITEM DirectoryTree::InsertItem(HTREEITEM parent, const std::wstring& text, int image, int openImage,
                                    bool mayHaveChildren, Node& node) {
  TVINSERTSTRUCTW insert{};
  insert.hParent = parent;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM | TVIF_CHILDREN;
  insert.item.pszText = const_cast<wchar_t*>(text.c_str());
  insert.item.iImage = image;
  insert.item.iSelectedImage = openImage;
  // Until a directory is read, a button promises children it may not have.
  insert.item.cChildren = mayHaveChildren ? 1 : 0;
  insert.item.lParam = reinterpret_cast<LPARAM>(&node);
  node.item = TreeView_InsertItem(tree_, &insert);
  return node.item;
}

DirectoryTree::Node* DirectoryTree::NodeOf(HTREEITEM item) const {
  if (!item) return nullptr;
  TVITEMW query{};
  query.mask = TVIF_PARAM;
  query.hItem = item;
  if (!TreeView_GetItem(tree_, &query)) return nullptr;
  return reinterpret_cast<Node*>(query.lParam);
}

namespace {

std::wstring AnswerFor(std::wstring path) {
  CharUpperBuffW(path.data(), static_cast<DWORD>(path.size()));
  return DirectoryAnswer(std::move(path));
}

}  // namespace

std::wstring DirectoryTree::SelectedDirectory() const {
  // A selection still on its way (directories being read) is the answer
  // already: whoever asks right after a choice must get that choice.
  if (walk_) return walk_->target;
  const Node* node = NodeOf(TreeView_GetSelection(tree_));
  if (!node || node->path.empty()) return std::wstring(kNoDirectory);
  return AnswerFor(node->path);
}

void DirectoryTree::SelectDirectory(const std::wstring& path) {
  const std::wstring wanted = WithTrailingBackslash(path);
  if (SameDirectory(wanted, SelectedDirectory())) return;
  if (!IsDriveRoot(wanted) && !IsExistingDirectory(wanted)) return;
  std::vector<std::wstring> components = PathComponents(wanted);
  if (components.empty()) return;
  walk_ = Walk{AnswerFor(wanted), std::move(components)};
  ShowBusyCursor();
  ContinueWalk();
  if (!IsBusy()) RefreshCursor();
}

// Takes the walk as far as the directories read so far allow; a directory
// still to be read is asked for, and the walk goes on when it arrives.
void DirectoryTree::ContinueWalk() {
  if (!walk_) return;
  Walk& walk = *walk_;
  while (walk.next < walk.components.size()) {
    if (Node* node = NodeOf(walk.item)) {
      if (node->state != ReadState::Read) {
        RequestRead(*node);
        return;
      }
      TreeView_Expand(tree_, walk.item, TVE_EXPAND);
    }
    const std::wstring& parentPath = walk.item ? NodeOf(walk.item)->path : std::wstring();
    const HTREEITEM child = FindChild(walk.item ? walk.item : TVI_ROOT,
                                      WithTrailingBackslash(parentPath + walk.components[walk.next]));
    if (!child) {
      walk_.reset();
      return;
    }
    walk.item = child;
    ++walk.next;
  }
  const HTREEITEM target = walk.item;
  walk_.reset();
  TreeView_SelectItem(tree_, target);
  ScrollToTop(target);
}

void DirectoryTree::ScrollToTop(HTREEITEM item) {
  TreeView_Select(tree_, item, TVGN_FIRSTVISIBLE);
  // Near the end there are too few items below to bring it to the top;
  // the closest is the tree scrolled to its end, which not every tree
  // view works out by itself.
  if (TreeView_GetFirstVisible(tree_) != item) TreeView_EnsureVisible(tree_, TreeView_GetLastVisible(tree_));
}

HTREEITEM DirectoryTree::FindChild(HTREEITEM parent, const std::wstring& path) const {
  for (HTREEITEM child = TreeView_GetChild(tree_, parent); child; child = TreeView_GetNextSibling(tree_, child)) {
    const Node* node = NodeOf(child);
    if (node && SameName(node->path, path)) return child;
  }
  return nullptr;
}

void DirectoryTree::RequestRead(Node& node) {
  if (node.state != ReadState::Unread) return;
  node.state = ReadState::Reading;
  ++readsPending_;
  {
    const std::lock_guard lock(mutex_);
    jobs_.push_back({&node, node.path});
  }
  wake_.notify_one();
}

void DirectoryTree::InsertListingBatch() {
  if (!inserting_) {
    const std::lock_guard lock(mutex_);
    if (done_.empty()) return;
    inserting_ = std::move(done_.front());
    done_.pop_front();
  }
  Listing& listing = *inserting_;
  Node& parent = *listing.node;
  const size_t end = std::min(listing.entries.size(), listing.inserted + kInsertBatch);
  SendMessageW(tree_, WM_SETREDRAW, FALSE, 0);
  for (; listing.inserted < end; ++listing.inserted) {
    const Entry& entry = listing.entries[listing.inserted];
    Node& child = nodes_.emplace_back(Node{parent.path + entry.name + L'\\'});
    InsertItem(parent.item, entry.name, folderImage_, openFolderImage_, entry.mayHaveChildren, child);
    if (!entry.mayHaveChildren) child.state = ReadState::Read;
  }
  SendMessageW(tree_, WM_SETREDRAW, TRUE, 0);
  // Come back for the rest of this listing, or for the next one, after
  // whatever else is waiting in the queue.
  PostMessageW(Handle(), kListingReadyMessage, 0, 0);
  if (listing.inserted < listing.entries.size()) return;
  Listing finished = std::move(listing);
  inserting_.reset();
  FinishListing(finished);
  if (!IsBusy()) RefreshCursor();
}

void DirectoryTree::FinishListing(Listing& listing) {
  Node& node = *listing.node;
  --readsPending_;
  // A drive without its medium can be tried again once the medium is in.
  node.state = listing.readable ? ReadState::Read : ReadState::Unread;
  if (listing.readable && listing.entries.empty()) {
    TVITEMW item{};
    item.mask = TVIF_CHILDREN;
    item.hItem = node.item;
    item.cChildren = 0;
    TreeView_SetItem(tree_, &item);
  }
  if (std::exchange(node.expandWhenRead, false) && listing.readable) TreeView_Expand(tree_, node.item, TVE_EXPAND);
  if (walk_) {
    if (listing.readable) {
      ContinueWalk();
    } else if (walk_->item == node.item) {
      walk_.reset();
    }
  }
}

void DirectoryTree::ShowBusyCursor() const {
  if (IsBusy()) SetCursor(LoadCursorW(nullptr, IDC_WAIT));
}

// The hourglass would stay until the mouse moves: let the window under the
// mouse choose its cursor now. Only our own thread's windows are asked, as
// a message to another program's window could wait on that program.
void DirectoryTree::RefreshCursor() const {
  POINT point{};
  if (!GetCursorPos(&point)) return;
  HWND window = WindowFromPoint(point);
  if (!window || GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId()) return;
  const LRESULT hit = SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(point.x, point.y));
  SendMessageW(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), MAKELPARAM(hit, WM_MOUSEMOVE));
}

LRESULT DirectoryTree::OnNotify(const NMHDR& header) {
  if (header.hwndFrom == tree_ && header.code == TVN_ITEMEXPANDINGW) {
    return OnItemExpanding(reinterpret_cast<const NMTREEVIEWW&>(header));
  }
  return 0;
}

// A directory opens once its children are in: until then the expansion is
// held back, and the listing's arrival opens it.
BOOL DirectoryTree::OnItemExpanding(const NMTREEVIEWW& change) {
  if ((change.action & (TVE_EXPAND | TVE_COLLAPSE)) != TVE_EXPAND) return FALSE;
  Node* node = reinterpret_cast<Node*>(change.itemNew.lParam);
  if (!node || node->state == ReadState::Read) return FALSE;
  node->expandWhenRead = true;
  RequestRead(*node);
  ShowBusyCursor();
  return TRUE;
}

void DirectoryTree::OnSize() {
  RECT client{};
  GetClientRect(Handle(), &client);
  if (tree_) MoveWindow(tree_, 0, 0, client.right, client.bottom, TRUE);
}

bool DirectoryTree::OnSetCursor() {
  if (!IsBusy()) return false;
  SetCursor(LoadCursorW(nullptr, IDC_WAIT));
  return true;
}

void DirectoryTree::OnDestroy() { StopWorker(); }

void DirectoryTree::StartWorker() {
  worker_ = std::thread([this, window = Handle()] {
    // A drive without its medium must not bring up the system's box from
    // here; the tree just shows nothing under it.
    SetThreadErrorMode(SEM_FAILCRITICALERRORS, nullptr);
    WorkerLoop(window);
  });
}

void DirectoryTree::StopWorker() {
  if (!worker_.joinable()) return;
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_one();
  worker_.join();
}

void DirectoryTree::WorkerLoop(HWND window) {
  for (;;) {
    ReadJob job;
    {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
      if (stopping_) return;
      job = std::move(jobs_.front());
      jobs_.pop_front();
    }
    Listing listing{job.node};
    DirectorySearch search(job.path);
    listing.readable = search.Opened() || GetLastError() == ERROR_FILE_NOT_FOUND;
    for (bool more = search.Opened(); more; more = search.Next()) {
      if (!IsDirectoryEntry(search.Current())) continue;
      const std::wstring name = search.Current().cFileName;
      const bool probe = listing.entries.size() < kProbedEntriesLimit;
      listing.entries.push_back({name, !probe || MayHaveSubdirectory(job.path + name + L'\\')});
      {
        const std::lock_guard lock(mutex_);
        if (stopping_) return;
      }
    }
    std::sort(listing.entries.begin(), listing.entries.end(),
              [](const Entry& a, const Entry& b) { return NameLess(a.name, b.name); });
    {
      const std::lock_guard lock(mutex_);
      done_.push_back(std::move(listing));
    }
    PostMessageW(window, kListingReadyMessage, 0, 0);
  }
}

LRESULT DirectoryTree::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kListingReadyMessage: InsertListingBatch(); return 0;
    case WM_NOTIFY: return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_SIZE: OnSize(); return 0;
    case WM_SETFOCUS: SetFocus(tree_); return 0;
    case WM_SETCURSOR: return OnSetCursor() ? TRUE : DefaultHandling(message, wParam, lParam);
    case WM_DESTROY: OnDestroy(); return 0;
    default: return DefaultHandling(message, wParam, lParam);
  }
}

}  // namespace tools
