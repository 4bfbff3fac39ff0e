#include "tools/directory_tree.h"

#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <thread>
#include <unordered_map>
#include <unordered_set>

#include "core/window_classes.h"
#include "tools/directory_rules.h"
#include "ui/com_apartment.h"
#include "ui/control.h"

namespace tools {

namespace {

// The tree has no label on screen; screen readers call it this.
constexpr wchar_t kTreeName[] = L"Folders";

// A reader handed an answer back, or the GUI thread has more of a listing
// to merge.
constexpr UINT kAnswerMessage = WM_APP + 1;
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

// Upper case, as the file system compares names.
std::wstring NameKey(std::wstring name) {
  CharUpperBuffW(name.data(), static_cast<DWORD>(name.size()));
  return name;
}

// The last part of a node's path, without its backslash.
std::wstring NameOfPath(const std::wstring& path) {
  const size_t end = path.size() - 1;
  const size_t slash = path.rfind(L'\\', end - 1);
  return path.substr(slash + 1, end - slash - 1);
}

DirectoryTree::DriveInfo DescribeDrive(wchar_t letter) {
  const std::wstring root = DriveRoot(std::wstring(1, letter));
  SHFILEINFOW info{};
  info.dwAttributes = SFGAO_HASSUBFOLDER;
  const UINT flags = SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_DISPLAYNAME | SHGFI_ATTRIBUTES | SHGFI_ATTR_SPECIFIED;
  DirectoryTree::DriveInfo drive;
  if (!SHGetFileInfoW(root.c_str(), 0, &info, sizeof(info), flags)) return drive;
  drive.shown = true;
  drive.name = info.szDisplayName[0] ? std::wstring(info.szDisplayName) : root;
  drive.image = info.iIcon;
  drive.hasSubfolders = (info.dwAttributes & SFGAO_HASSUBFOLDER) != 0;
  drive.readsAtOnce = ReadsAtOnce(GetDriveTypeW(root.c_str()));
  return drive;
}

DirectoryTree::Listing ListDirectory(const std::wstring& directory, const std::atomic<bool>& abandoned) {
  DirectoryTree::Listing listing;
  DirectorySearch search(directory);
  listing.readable = search.Opened() || GetLastError() == ERROR_FILE_NOT_FOUND;
  for (bool more = search.Opened(); more && !abandoned; more = search.Next()) {
    if (!IsDirectoryEntry(search.Current())) continue;
    std::wstring name = search.Current().cFileName;
    const bool probe = listing.entries.size() < kProbedEntriesLimit;
    const bool mayHaveChildren = !probe || MayHaveSubdirectory(directory + name + L'\\');
    listing.entries.push_back({std::move(name), mayHaveChildren});
  }
  return listing;
}

}  // namespace

DirectoryTree::FileSystem DirectoryTree::SystemFileSystem() {
  return FileSystem{[] { return GetLogicalDrives(); }, &DescribeDrive, &ListDirectory};
}

DirectoryTree::DirectoryTree() : shared_(std::make_shared<Shared>()) {}

// The readers still asking may end whenever they like: they find nobody to
// answer and drop what they read.
DirectoryTree::~DirectoryTree() { Disconnect(); }

void DirectoryTree::Disconnect() {
  shared_->abandoned = true;
  std::list<Answer> dropped;
  const std::lock_guard lock(shared_->mutex);
  shared_->window = nullptr;
  dropped.splice(dropped.end(), shared_->answers);
}

void DirectoryTree::Create(HWND parent, int x, int y, int width, int height) {
  ui::WindowParams params =
      ui::WindowParams::Child(core::kDirectoryTreeClass, parent, x, y, width, height, WS_CLIPCHILDREN);
  params.exStyle = WS_EX_CONTROLPARENT;
  params.background = GetSysColorBrush(COLOR_WINDOW);
  CreateFromParams(params);
  RECT client{};
  GetClientRect(Handle(), &client);
  tree_ = CreateWindowExW(WS_EX_CLIENTEDGE, WC_TREEVIEWW, L"", kTreeStyle, 0, 0, client.right, client.bottom,
                          Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!tree_) throw ui::UserError(L"Could not create the directory tree.");
  SendMessageW(tree_, WM_SETFONT, reinterpret_cast<WPARAM>(ui::DefaultGuiFont(Handle())), FALSE);
  treeLabel_.Attach(tree_, kTreeName);
  const std::lock_guard lock(shared_->mutex);
  shared_->window = Handle();
}

// The system image list is shared by every program: the tree only borrows
// it. Asked for by attributes alone, so that no drive is touched.
void DirectoryTree::UseSystemImages() {
  SHFILEINFOW info{};
  const auto images = reinterpret_cast<HIMAGELIST>(
      SHGetFileInfoW(L"folder", FILE_ATTRIBUTE_DIRECTORY, &info, sizeof(info),
                     SHGFI_USEFILEATTRIBUTES | SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
  TreeView_SetImageList(tree_, images, TVSIL_NORMAL);
  folderImage_ = FolderImage(0);
  openFolderImage_ = FolderImage(SHGFI_OPENICON);
}

void DirectoryTree::Refresh() {
  if (!std::exchange(filled_, true)) {
    UseSystemImages();
    FillDrives();
    return;
  }
  FillDrives();
  for (Node& node : nodes_) {
    if (node.item && (TreeView_GetItemState(tree_, node.item, TVIS_EXPANDED) & TVIS_EXPANDED)) RequestRead(node);
  }
}

void DirectoryTree::FillDrives() {
  const DWORD present = fileSystem_.presentDrives();
  RemoveGoneDrives(present);
  for (wchar_t letter = kFirstDrive; letter <= kLastDrive; ++letter) {
    if ((present & (1u << (letter - kFirstDrive))) && !DriveNode(letter)) AskDrive(letter);
  }
}

void DirectoryTree::RemoveGoneDrives(DWORD present) {
  for (HTREEITEM item = TreeView_GetRoot(tree_); item;) {
    const HTREEITEM next = TreeView_GetNextSibling(tree_, item);
    const Node* node = NodeOf(item);
    if (node && !(present & (1u << (node->path[0] - kFirstDrive)))) TreeView_DeleteItem(tree_, item);
    item = next;
  }
}

DirectoryTree::Node* DirectoryTree::DriveNode(wchar_t letter) const {
  for (HTREEITEM item = TreeView_GetRoot(tree_); item; item = TreeView_GetNextSibling(tree_, item)) {
    Node* node = NodeOf(item);
    if (node && node->path[0] == letter) return node;
  }
  return nullptr;
}

void DirectoryTree::InsertDrive(const Answer& answer) {
  const DriveInfo& drive = answer.drive;
  if (!drive.shown || DriveNode(answer.letter)) return;
  // Drives answer in any order; they stand in the order of their letters.
  HTREEITEM after = TVI_FIRST;
  for (HTREEITEM item = TreeView_GetRoot(tree_); item; item = TreeView_GetNextSibling(tree_, item)) {
    const Node* node = NodeOf(item);
    if (node && node->path[0] > answer.letter) break;
    after = item;
  }
  Node& node = nodes_.emplace_back(Node{DriveRoot(std::wstring(1, answer.letter))});
  InsertItem(TVI_ROOT, after, drive.name, drive.image, drive.image, drive.hasSubfolders, node);
  if (!drive.hasSubfolders) {
    node.state = ReadState::Read;
  } else if (drive.readsAtOnce) {
    RequestRead(node);
  }
}

HTREEITEM DirectoryTree::InsertItem(HTREEITEM parent, HTREEITEM after, const std::wstring& text, int image,
                                    int openImage, bool mayHaveChildren, Node& node) {
  TVINSERTSTRUCTW insert{};
  insert.hParent = parent;
  insert.hInsertAfter = after;
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
  if (!filled_) Refresh();
  walk_ = Walk{AnswerFor(wanted), std::move(components)};
  ShowBusyCursor();
  ContinueWalk();
  if (!IsBusy()) RefreshCursor();
}

// Takes the walk as far as the directories read so far allow; a directory
// still to be read is asked for, and the walk goes on when it arrives. A
// part missing from a directory read earlier may have been made since:
// the directory is read once more before the walk gives up.
void DirectoryTree::ContinueWalk() {
  if (!walk_) return;
  Walk& walk = *walk_;
  while (walk.next < walk.components.size()) {
    Node* node = NodeOf(walk.item);
    if (node) {
      if (node->state == ReadState::Reading) return;
      if (node->state == ReadState::Unread) {
        RequestRead(*node);
        return;
      }
      ExpandQuietly(walk.item);
    }
    const std::wstring parentPath = node ? node->path : std::wstring();
    const HTREEITEM child = FindChild(walk.item ? walk.item : TVI_ROOT,
                                      WithTrailingBackslash(parentPath + walk.components[walk.next]));
    if (!child) {
      if (!node) {
        if (drivesAsked_ == 0) walk_.reset();  // else a drive still to answer may be the one
      } else if (walk.readAgain != walk.item) {
        walk.readAgain = walk.item;
        RequestRead(*node);
      } else {
        walk_.reset();
      }
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
  if (node.state == ReadState::Reading || !node.item) return;
  Answer question;
  question.node = &node;
  question.path = node.path;
  StartReader(std::move(question));
  node.state = ReadState::Reading;
}

void DirectoryTree::AskDrive(wchar_t letter) {
  const DWORD bit = 1u << (letter - kFirstDrive);
  if (drivesAsked_ & bit) return;
  Answer question;
  question.letter = letter;
  StartReader(std::move(question));
  drivesAsked_ |= bit;
}

// Each question gets a thread of its own, so that a drive that does not
// answer holds up no other, and nobody ever waits for it.
void DirectoryTree::StartReader(Answer question) {
  Node* const node = question.node;
  const wchar_t letter = question.letter;
  std::list<Answer> job;
  job.push_back(std::move(question));
  auto reader = [shared = shared_, fileSystem = fileSystem_, job = std::move(job)]() mutable noexcept {
    // A drive without its medium must not bring up the system's box from
    // here; the tree just shows nothing under it.
    SetThreadErrorMode(SEM_FAILCRITICALERRORS, nullptr);
    Answer& answer = job.front();
    try {
      if (answer.node) {
        answer.listing = fileSystem.listDirectory(answer.path, shared->abandoned);
        std::sort(answer.listing.entries.begin(), answer.listing.entries.end(),
                  [](const Entry& a, const Entry& b) { return NameLess(a.name, b.name); });
      } else {
        const ui::ComApartment apartment;  // the shell's drive names and icons are COM's
        answer.drive = fileSystem.describeDrive(answer.letter);
      }
    } catch (...) {
      // Out of memory, most likely: the directory reads as unreadable and
      // is tried again on the next expansion; the drive waits for the next
      // opening. Handing the answer back allocates nothing.
      answer.listing = Listing{};
      answer.drive = DriveInfo{};
    }
    const std::lock_guard lock(shared->mutex);
    if (!shared->window) return;
    shared->answers.splice(shared->answers.end(), job);
    PostMessageW(shared->window, kAnswerMessage, 0, 0);
  };
  ++readsPending_;
  try {
    std::thread(std::move(reader)).detach();
  } catch (...) {
    // No thread to ask with: the answer is that of a drive that did not
    // answer, and the question can be asked again later.
    std::list<Answer> failed(1);
    failed.front().node = node;
    failed.front().letter = letter;
    const std::lock_guard lock(shared_->mutex);
    shared_->answers.splice(shared_->answers.end(), failed);
    PostMessageW(Handle(), kAnswerMessage, 0, 0);
  }
}

void DirectoryTree::TakeAnswer() {
  if (merging_) {
    MergeBatch();
    return;
  }
  std::list<Answer> taken;
  {
    const std::lock_guard lock(shared_->mutex);
    if (shared_->answers.empty()) return;
    taken.splice(taken.end(), shared_->answers, shared_->answers.begin());
  }
  Answer& answer = taken.front();
  if (answer.node) {
    StartMerge(std::move(answer));
    return;
  }
  --readsPending_;
  drivesAsked_ &= ~(1u << (answer.letter - kFirstDrive));
  InsertDrive(answer);
  ContinueWalk();
  PostMessageW(Handle(), kAnswerMessage, 0, 0);
  if (!IsBusy()) RefreshCursor();
}

// Children that are gone go first; those still there keep their items,
// with whatever is open or selected below them, and new ones are put in
// their places among them.
void DirectoryTree::StartMerge(Answer answer) {
  Node& parent = *answer.node;
  if (!parent.item) {  // its item went meanwhile, with a drive that went
    --readsPending_;
    PostMessageW(Handle(), kAnswerMessage, 0, 0);
    return;
  }
  if (!answer.listing.readable) {
    FinishListing(parent, false, false);
    PostMessageW(Handle(), kAnswerMessage, 0, 0);
    return;
  }
  std::unordered_set<std::wstring> names;
  for (const Entry& entry : answer.listing.entries) names.insert(NameKey(entry.name));
  Merge merge{std::move(answer)};
  for (HTREEITEM child = TreeView_GetChild(tree_, parent.item); child;) {
    const HTREEITEM next = TreeView_GetNextSibling(tree_, child);
    if (const Node* node = NodeOf(child)) {
      std::wstring key = NameKey(NameOfPath(node->path));
      if (names.count(key)) {
        merge.existing.emplace(std::move(key), child);
      } else {
        TreeView_DeleteItem(tree_, child);
      }
    }
    child = next;
  }
  merging_ = std::move(merge);
  MergeBatch();
}

void DirectoryTree::MergeBatch() {
  Merge& merge = *merging_;
  Node& parent = *merge.answer.node;
  const std::vector<Entry>& entries = merge.answer.listing.entries;
  const size_t end = parent.item ? std::min(entries.size(), merge.next + kInsertBatch) : entries.size();
  SendMessageW(tree_, WM_SETREDRAW, FALSE, 0);
  for (; parent.item && merge.next < end; ++merge.next) PlaceEntry(merge, entries[merge.next], parent);
  SendMessageW(tree_, WM_SETREDRAW, TRUE, 0);
  // Come back for the rest of this listing, or for the next answer, after
  // whatever else is waiting in the queue.
  PostMessageW(Handle(), kAnswerMessage, 0, 0);
  if (merge.next < entries.size()) return;
  const bool empty = entries.empty();
  merging_.reset();
  if (parent.item) {
    FinishListing(parent, true, empty);
  } else {
    --readsPending_;
  }
  if (!IsBusy()) RefreshCursor();
}

void DirectoryTree::PlaceEntry(Merge& merge, const Entry& entry, Node& parent) {
  const auto found = merge.existing.find(NameKey(entry.name));
  if (found != merge.existing.end()) {
    merge.previous = found->second;
    // A directory that had no subdirectories may have some now.
    if (entry.mayHaveChildren) SetChildren(found->second, true);
    return;
  }
  Node& child = nodes_.emplace_back(Node{parent.path + entry.name + L'\\'});
  merge.previous = InsertItem(parent.item, merge.previous ? merge.previous : TVI_FIRST, entry.name, folderImage_,
                              openFolderImage_, entry.mayHaveChildren, child);
  if (!entry.mayHaveChildren) child.state = ReadState::Read;
}

void DirectoryTree::FinishListing(Node& node, bool readable, bool empty) {
  --readsPending_;
  // A drive without its medium can be tried again once the medium is in.
  node.state = readable ? ReadState::Read : ReadState::Unread;
  if (readable) SetChildren(node.item, !empty);
  if (std::exchange(node.expandWhenRead, false) && readable) ExpandQuietly(node.item);
  if (walk_) {
    if (readable) {
      ContinueWalk();
    } else if (walk_->item == node.item) {
      walk_.reset();
    }
  }
}

void DirectoryTree::SetChildren(HTREEITEM item, bool hasChildren) {
  TVITEMW change{};
  change.mask = TVIF_CHILDREN;
  change.hItem = item;
  change.cChildren = hasChildren ? 1 : 0;
  TreeView_SetItem(tree_, &change);
}

// An expansion of our own, which reads nothing. A tree view tells of an
// expansion asked for by message only while the item was never expanded;
// the item is made to look so again, so that the next expansion, whoever
// asks for it, comes to us and reads the directory again.
void DirectoryTree::ExpandQuietly(HTREEITEM item) {
  quietExpand_ = true;
  TreeView_Expand(tree_, item, TVE_EXPAND);
  quietExpand_ = false;
  TreeView_SetItemState(tree_, item, 0, TVIS_EXPANDEDONCE);
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
  if (header.hwndFrom != tree_) return 0;
  const auto& change = reinterpret_cast<const NMTREEVIEWW&>(header);
  switch (header.code) {
    case TVN_ITEMEXPANDINGW: return OnItemExpanding(change);
    case TVN_DELETEITEMW: OnDeleteItem(change); return 0;
    default: return 0;
  }
}

// Every expansion reads the directory again, and it opens once its
// children are in: until then the expansion is held back, and the
// listing's arrival opens it.
BOOL DirectoryTree::OnItemExpanding(const NMTREEVIEWW& change) {
  if ((change.action & (TVE_EXPAND | TVE_COLLAPSE)) != TVE_EXPAND || quietExpand_) return FALSE;
  Node* node = reinterpret_cast<Node*>(change.itemNew.lParam);
  if (!node) return FALSE;
  node->expandWhenRead = true;
  RequestRead(*node);
  ShowBusyCursor();
  return TRUE;
}

void DirectoryTree::OnDeleteItem(const NMTREEVIEWW& change) {
  Node* node = reinterpret_cast<Node*>(change.itemOld.lParam);
  if (!node) return;
  if (walk_ && walk_->item == node->item) walk_.reset();
  node->item = nullptr;
  node->expandWhenRead = false;
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

LRESULT DirectoryTree::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kAnswerMessage: TakeAnswer(); return 0;
    case WM_NOTIFY: return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_SIZE: OnSize(); return 0;
    case WM_SETFOCUS: SetFocus(tree_); return 0;
    case WM_SETCURSOR: return OnSetCursor() ? TRUE : DefaultHandling(message, wParam, lParam);
    case WM_DESTROY: Disconnect(); return 0;
    default: return DefaultHandling(message, wParam, lParam);
  }
}

}  // namespace tools
