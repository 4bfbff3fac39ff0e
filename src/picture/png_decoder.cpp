#include "picture/png_decoder.h"

#include <wincodec.h>

#include <algorithm>
#include <new>
#include <utility>

#include "picture/dib_rules.h"

namespace picture {

namespace {

constexpr uint64_t kBytesPerPixel = 4;

// Holds one reference to a COM object.
template <typename T>
class ComRef {
 public:
  ComRef() = default;
  ~ComRef() {
    if (object_) object_->Release();
  }
  ComRef(const ComRef&) = delete;
  ComRef& operator=(const ComRef&) = delete;

  T* get() const { return object_; }
  T* operator->() const { return object_; }
  // For the functions that hand out a new reference; only while empty.
  T** put() { return &object_; }

 private:
  T* object_ = nullptr;
};

DecodeResult Failure(HRESULT result) {
  return result == E_OUTOFMEMORY ? DecodeResult::OutOfMemory : DecodeResult::Unreadable;
}

// The codecs hand out rows top-down; pictures keep them bottom-up.
void FlipRows(std::vector<uint8_t>& pixels, size_t stride, size_t height) {
  for (size_t top = 0, bottom = height - 1; top < bottom; ++top, --bottom) {
    std::swap_ranges(pixels.begin() + static_cast<ptrdiff_t>(top * stride),
                     pixels.begin() + static_cast<ptrdiff_t>((top + 1) * stride),
                     pixels.begin() + static_cast<ptrdiff_t>(bottom * stride));
  }
}

}  // namespace

DecodeResult DecodePng(const uint8_t* data, size_t size, DecodedImage& image) {
  if (!data || size == 0 || size > MAXDWORD) return DecodeResult::Unreadable;
  ComRef<IWICImagingFactory> factory;
  HRESULT result =
      CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(factory.put()));
  if (FAILED(result)) return Failure(result);
  ComRef<IWICStream> stream;
  result = factory->CreateStream(stream.put());
  if (SUCCEEDED(result)) {
    result = stream->InitializeFromMemory(const_cast<BYTE*>(data), static_cast<DWORD>(size));
  }
  // Asking for the PNG codec by name keeps other file formats that happen
  // to sit in the PNG format out.
  ComRef<IWICBitmapDecoder> decoder;
  if (SUCCEEDED(result)) result = factory->CreateDecoder(GUID_ContainerFormatPng, nullptr, decoder.put());
  if (SUCCEEDED(result)) result = decoder->Initialize(stream.get(), WICDecodeMetadataCacheOnDemand);
  ComRef<IWICBitmapFrameDecode> frame;
  if (SUCCEEDED(result)) result = decoder->GetFrame(0, frame.put());
  UINT width = 0;
  UINT height = 0;
  if (SUCCEEDED(result)) result = frame->GetSize(&width, &height);
  if (FAILED(result)) return Failure(result);

  if (width == 0 || height == 0 || width > static_cast<UINT>(kMaxPictureSide) ||
      height > static_cast<UINT>(kMaxPictureSide)) {
    return DecodeResult::Unreadable;
  }
  const uint64_t stride = uint64_t{width} * kBytesPerPixel;
  const uint64_t bytes = stride * height;
  if (bytes > kMaxPictureBytes) return DecodeResult::Unreadable;

  ComRef<IWICFormatConverter> converter;
  result = factory->CreateFormatConverter(converter.put());
  if (SUCCEEDED(result)) {
    result = converter->Initialize(frame.get(), GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone, nullptr, 0.0,
                                   WICBitmapPaletteTypeCustom);
  }
  if (FAILED(result)) return Failure(result);
  std::vector<uint8_t> pixels;
  try {
    pixels.resize(static_cast<size_t>(bytes));
  } catch (const std::bad_alloc&) {
    return DecodeResult::OutOfMemory;
  }
  result = converter->CopyPixels(nullptr, static_cast<UINT>(stride), static_cast<UINT>(bytes), pixels.data());
  if (FAILED(result)) return Failure(result);
  FlipRows(pixels, static_cast<size_t>(stride), height);
  image.width = static_cast<int>(width);
  image.height = static_cast<int>(height);
  image.pixels = std::move(pixels);
  return DecodeResult::Decoded;
}

}  // namespace picture
