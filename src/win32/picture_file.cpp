#include "win32/picture_file.h"

#include "core/layout/skin_limits.h"
#include "core/picture/bmp_pixels.h"
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

LoadedPicture Refused(PictureRefusal why) {
    LoadedPicture picture;
    picture.refusal = why;
    return picture;
}

LoadedPicture BitmapFromBmp(std::string_view file, const BmpLayout& layout) {
    LoadedPicture picture;
    picture.width = static_cast<UINT>(layout.width);
    picture.height = static_cast<UINT>(layout.height);
    void* bits = nullptr;
    picture.bitmap = CreateTopDownBitmap(picture.width, picture.height, &bits);
    if (picture.bitmap) {
        CopyBmpPixels(file, layout, static_cast<uint32_t*>(bits));
    } else {
        picture.refusal = PictureRefusal::NoMemory;
    }
    return picture;
}

// The imaging component and COM, which it needs, take megabytes of their own: they load only for pictures the
// program does not read itself.
LoadedPicture BitmapFromImagingComponent(const std::wstring& path) {
    const ComApartment apartment;
    const ComPtr<IWICBitmapSource> source = DecodeFirstFrame(path);
    LoadedPicture picture;
    picture.withAlpha = true;
    if (!source || FAILED(source->GetSize(&picture.width, &picture.height)) || picture.width == 0 ||
        picture.height == 0) {
        return Refused(PictureRefusal::NotAPicture);
    }
    const uint64_t stride = uint64_t{picture.width} * 4;
    const uint64_t bytes = stride * picture.height;
    if (picture.width > static_cast<UINT>(kMaxPictureSide) || picture.height > static_cast<UINT>(kMaxPictureSide) ||
        bytes > kMaxPictureBytes) {
        picture.refusal = PictureRefusal::TooLarge;
        return picture;
    }
    void* bits = nullptr;
    Bitmap bitmap = CreateTopDownBitmap(picture.width, picture.height, &bits);
    if (!bitmap) {
        picture.refusal = PictureRefusal::NoMemory;
        return picture;
    }
    if (FAILED(source->CopyPixels(nullptr, static_cast<UINT>(stride), static_cast<UINT>(bytes),
                                  static_cast<BYTE*>(bits)))) {
        picture.refusal = PictureRefusal::NotAPicture;
        return picture;
    }
    picture.bitmap = std::move(bitmap);
    return picture;
}

}  // namespace

LoadedPicture LoadPicture(const std::wstring& path) {
    std::optional<std::string> file;
    {
        const FileHandle handle(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                            FILE_ATTRIBUTE_NORMAL, nullptr));
        LARGE_INTEGER size{};
        if (!handle || !GetFileSizeEx(handle.get(), &size)) {
            return Refused(PictureRefusal::CannotOpen);
        }
        if (size.QuadPart <= 0) {
            return Refused(PictureRefusal::NotAPicture);
        }
        if (static_cast<uint64_t>(size.QuadPart) > kMaxPictureFileBytes) {
            return Refused(PictureRefusal::TooLarge);
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
        return Refused(PictureRefusal::NotAPicture);
    }
    if (const std::optional<BmpLayout> layout = ReadBmpLayout(*file, kMaxPictureSide);
        layout && uint64_t{static_cast<uint32_t>(layout->width)} * static_cast<uint32_t>(layout->height) * 4 <=
                      kMaxPictureBytes) {
        return BitmapFromBmp(*file, *layout);
    }
    return BitmapFromImagingComponent(path);
}

Bitmap LoadPictureFile(const std::wstring& path) {
    return LoadPicture(path).bitmap;
}

}  // namespace pixlin
