#include "picture/picture_compressor.h"

#include <new>
#include <system_error>
#include <utility>

#include "core/window_classes.h"

namespace picture {

namespace {

// The worker's word to the GUI thread that a packed picture is ready to swap in.
constexpr UINT kPicturePackedMessage = WM_APP + 0x7C;

}  // namespace

std::optional<PackedPixels> PictureCompressor::DefaultPacker(int width, int height, const uint8_t* pixels, size_t bytes,
                                                             const std::atomic<bool>* stop) {
  return PackPixels(width, height, pixels, bytes, PackOptions{}, stop);
}

PictureCompressor::PictureCompressor(Packer packer)
    : packer_(std::move(packer)),
      window_(ui::MakeWindow<ui::MessageWindow>(
          core::kPictureCompressorClass,
          [this](HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
            return OnMessage(window, message, wParam, lParam);
          })),
      notify_(window_->Handle()) {}

LRESULT PictureCompressor::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != kPicturePackedMessage) return DefWindowProcW(window, message, wParam, lParam);
  DeliverFinished();
  return 0;
}

PictureCompressor::~PictureCompressor() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  if (worker_.joinable()) worker_.join();
}

void PictureCompressor::Add(const Picture& picture) {
  if (picture.GetKind() != Picture::Kind::Bitmap || !picture.store_ || picture.store_->queued) return;
  picture.store_->queued = true;
  {
    std::lock_guard lock(mutex_);
    queued_.push_back(Job{picture.store_, picture.Width(), picture.Height(), std::nullopt});
  }
  // Started on the first picture, so a session without pictures runs no
  // extra thread. A thread the system refuses leaves the picture raw.
  if (!worker_.joinable()) {
    try {
      worker_ = std::thread(&PictureCompressor::Run, this);
    } catch (const std::system_error&) {
      std::lock_guard lock(mutex_);
      queued_.clear();
      return;
    }
  }
  changed_.notify_all();
}

void PictureCompressor::Run() {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return stopping_ || !queued_.empty(); });
    if (stopping_) return;
    Job job = std::move(queued_.front());
    queued_.pop_front();
    working_ = true;
    lock.unlock();
    PackOne(job);
    lock.lock();
    working_ = false;
    if (job.packed) {
      try {
        finished_.push_back(std::move(job));
      } catch (const std::bad_alloc&) {
        // No room to hand the packed form over: the picture keeps its raw
        // pixels, and the worker goes on with the next one.
      }
    }
    changed_.notify_all();
    PostMessageW(notify_, kPicturePackedMessage, 0, 0);
  }
}

void PictureCompressor::PackOne(Job& job) {
  // Holding the store keeps the raw pixels whole while they are read, even
  // when their picture goes meanwhile; a picture gone before its turn costs
  // nothing.
  const std::shared_ptr<Picture::Store> store = job.store.lock();
  if (!store) return;
  const std::shared_ptr<const std::vector<uint8_t>> raw = store->raw;
  if (!raw) return;
  try {
    job.packed = packer_(job.width, job.height, raw->data(), raw->size(), &stopping_);
  } catch (...) {
    // Short of memory the raw pixels stay as they are: nothing is lost.
    job.packed.reset();
  }
}

void PictureCompressor::DeliverFinished() {
  std::vector<Job> finished;
  {
    std::lock_guard lock(mutex_);
    finished.swap(finished_);
  }
  for (Job& job : finished) {
    const std::shared_ptr<Picture::Store> store = job.store.lock();
    if (!store || store->packed) continue;
    store->packed = std::move(job.packed);
    // A window holding the raw pixels keeps them; the rest go now.
    store->raw.reset();
  }
}

void PictureCompressor::Finish() {
  {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return stopping_ || (queued_.empty() && !working_); });
  }
  DeliverFinished();
}

}  // namespace picture
