// Packs bitmap pictures on a worker thread, one at a time, so a capture
// shows its picture at once and the raw pixels give way to the packed form
// a moment later. The packed form is swapped in on the GUI thread, when the
// compressor's own hidden window gets the worker's word; a picture gone by
// then is simply dropped, and a picture that could not be packed keeps its
// raw pixels.
#pragma once

#include <windows.h>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "picture/pixel_pack.h"
#include "picture/picture.h"
#include "ui/message_window.h"

namespace picture {

class PictureCompressor {
 public:
  // Packs width x height pixels; returns nothing when `stop` turns true.
  // May throw std::bad_alloc.
  using Packer = std::function<std::optional<PackedPixels>(int width, int height, const uint8_t* pixels, size_t bytes,
                                                           const std::atomic<bool>* stop)>;
  static std::optional<PackedPixels> DefaultPacker(int width, int height, const uint8_t* pixels, size_t bytes,
                                                   const std::atomic<bool>* stop);

  // Made on the GUI thread, which the packed forms are delivered to.
  explicit PictureCompressor(Packer packer = &DefaultPacker);
  // Stops the picture being packed and waits for the worker.
  ~PictureCompressor();
  PictureCompressor(const PictureCompressor&) = delete;
  PictureCompressor& operator=(const PictureCompressor&) = delete;

  // Queues a bitmap picture with raw pixels; other pictures are ignored.
  void Add(const Picture& picture);
  // GUI thread: swaps the packed forms finished so far into their pictures.
  void DeliverFinished();
  // Waits until nothing is queued or being packed, then delivers. For
  // tests and benchmarks, which cannot wait for the message loop.
  void Finish();

 private:
  struct Job {
    std::weak_ptr<Picture::Store> store;
    int width = 0;
    int height = 0;
    std::optional<PackedPixels> packed;
  };
  void Run();
  void PackOne(Job& job);
  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  Packer packer_;
  // Gets the worker's word that packed forms wait; made before the worker
  // starts, so the worker only ever reads its handle.
  ui::WindowPtr<ui::MessageWindow> window_;
  HWND notify_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<Job> queued_;
  std::vector<Job> finished_;
  bool working_ = false;
  std::atomic<bool> stopping_{false};
  std::thread worker_;
};

}  // namespace picture
