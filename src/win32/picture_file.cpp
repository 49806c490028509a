#include "win32/picture_file.h"

#include "core/skin/bmp_pixels.h"
#include "core/skin/skin_limits.h"
#include "win32/com_ptr.h"
#include "win32/dib_section.h"
#include "win32/file_bytes.h"

#include <objbase.h>
#include <wincodec.h>

#include <cstdint>
#include <new>
#include <optional>

namespace pixlin {
namespace {

// COM for one scope. A thread already in the multithreaded apartment can use WIC as it is.
class ComApartment {
public:
    ComApartment() noexcept : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    ~ComApartment() {
        if (initialised_) {
            CoUninitialize();
        }
    }

private:
    bool initialised_;
};

// WIC's converter to straight (not premultiplied) BGRA: the colour channels come through unchanged,
// which the skin's exact key-colour comparison relies on.
ComPtr<IWICBitmapSource> DecodeFirstFrame(const std::wstring& path) {
    ComPtr<IWICImagingFactory> factory;
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    ComPtr<IWICFormatConverter> converter;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                reinterpret_cast<void**>(factory.Receive()))) ||
        FAILED(factory->CreateDecoderFromFilename(path.c_str(), nullptr, GENERIC_READ, WICDecodeMetadataCacheOnDemand,
                                                  decoder.Receive())) ||
        FAILED(decoder->GetFrame(0, frame.Receive())) || FAILED(factory->CreateFormatConverter(converter.Receive())) ||
        FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone, nullptr, 0.0,
                                     WICBitmapPaletteTypeCustom))) {
        return {};
    }
    ComPtr<IWICBitmapSource> source;
    if (FAILED(converter->QueryInterface(IID_IWICBitmapSource, reinterpret_cast<void**>(source.Receive())))) {
        return {};
    }
    return source;
}

Bitmap BitmapFromBmp(std::string_view file, const BmpLayout& layout) {
    void* bits = nullptr;
    Bitmap bitmap = CreateTopDownBitmap(static_cast<UINT>(layout.width), static_cast<UINT>(layout.height), &bits);
    if (bitmap) {
        CopyBmpPixels(file, layout, static_cast<uint32_t*>(bits));
    }
    return bitmap;
}

// The imaging component and COM, which it needs, take megabytes of their own: they load only for pictures the
// program does not read itself.
Bitmap BitmapFromImagingComponent(const std::wstring& path) {
    const ComApartment apartment;
    const ComPtr<IWICBitmapSource> source = DecodeFirstFrame(path);
    UINT width = 0;
    UINT height = 0;
    if (!source || FAILED(source->GetSize(&width, &height)) || width == 0 || height == 0 ||
        width > static_cast<UINT>(kMaxPictureSide) || height > static_cast<UINT>(kMaxPictureSide)) {
        return {};
    }
    const uint64_t stride = uint64_t{width} * 4;
    const uint64_t bytes = stride * height;
    if (bytes > kMaxPictureBytes) {
        return {};
    }
    void* bits = nullptr;
    Bitmap bitmap = CreateTopDownBitmap(width, height, &bits);
    if (!bitmap || FAILED(source->CopyPixels(nullptr, static_cast<UINT>(stride), static_cast<UINT>(bytes),
                                             static_cast<BYTE*>(bits)))) {
        return {};
    }
    return bitmap;
}

}  // namespace

Bitmap LoadPictureFile(const std::wstring& path) {
    std::optional<std::string> file;
    {
        const FileHandle handle(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                            FILE_ATTRIBUTE_NORMAL, nullptr));
        LARGE_INTEGER size{};
        if (!handle || !GetFileSizeEx(handle.get(), &size) || size.QuadPart <= 0 ||
            static_cast<uint64_t>(size.QuadPart) > kMaxPictureFileBytes) {
            return {};
        }
        // A picture within the limits may still not fit in memory now: like an unreadable one, it leaves the
        // built-in skin, and the picker goes on.
        try {
            file = ReadToEnd(handle.get());
        } catch (const std::bad_alloc&) {
            return {};
        }
    }
    if (file->empty()) {
        return {};
    }
    if (const std::optional<BmpLayout> layout = ReadBmpLayout(*file, kMaxPictureSide);
        layout && uint64_t{static_cast<uint32_t>(layout->width)} * static_cast<uint32_t>(layout->height) * 4 <=
                      kMaxPictureBytes) {
        return BitmapFromBmp(*file, *layout);
    }
    return BitmapFromImagingComponent(path);
}

}  // namespace pixlin
