#include <windows.h>

#include <algorithm>
#include <string>

#include "skintool/label_text.h"
#include "win32/win_handles.h"

namespace pixlin::skintool {
namespace {

// No text reaches the image from further off than this: the longest at the largest scale is a few thousand pixels.
constexpr std::int32_t kFarOff = 1 << 16;

std::wstring Utf16(std::string_view utf8) {
    if (utf8.empty()) {
        return {};
    }
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(std::max(length, 0)), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), length);
    return wide;
}

// The picker's own font: the same request, so that the system picks the same face and size.
Font CreateLabelFont(LabelFont font) {
    const int weight = font.font == ControlFont::ArialBold975 ? FW_BOLD : FW_NORMAL;
    return Font(CreateFontW(-FontHeightPixels(ControlFontPoints(font.font), font.dpi), 0, 0, 0, weight, FALSE, FALSE,
                            FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                            DEFAULT_PITCH | FF_SWISS, L"Arial"));
}

}  // namespace

std::string FontProblem() {
    const Font font = CreateLabelFont(LabelFont{});
    return font ? std::string() : "the system gives no Arial";
}

std::string FontName(ControlFont font) {
    return font == ControlFont::ArialBold975 ? "Arial bold 9.75 pt" : "Arial 9 pt";
}

bool DrawLabelText(Image& image,
                   const PixelRect& box,
                   std::string_view utf8,
                   LabelFont font,
                   std::uint32_t rgb,
                   TextLayout layout) {
    const Font label = CreateLabelFont(font);
    const MemoryDc dc(CreateCompatibleDC(nullptr));
    if (!label || !dc) {
        return false;
    }
    const PixelRect clip{std::max(box.left, 0), std::max(box.top, 0), std::min(box.right, image.width),
                         std::min(box.bottom, image.height)};
    if (clip.right <= clip.left || clip.bottom <= clip.top || box.left < clip.left - kFarOff ||
        box.top < clip.top - kFarOff) {
        return true;
    }
    const std::int32_t width = clip.right - clip.left;
    const std::int32_t height = clip.bottom - clip.top;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const SelectedBitmap canvas(dc.get(), Bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0)));
    if (!canvas || bits == nullptr) {
        return false;
    }
    // The text goes over the image's pixels, as the picker's goes over the skin: smoothed edges blend with them.
    auto* pixels = static_cast<std::uint32_t*>(bits);
    for (std::int32_t y = 0; y < height; ++y) {
        for (std::int32_t x = 0; x < width; ++x) {
            pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)] =
                image.At(clip.left + x, clip.top + y);
        }
    }
    {
        const SelectedObject selected(dc.get(), label.get());
        SetBkMode(dc.get(), TRANSPARENT);
        SetTextColor(dc.get(), RGB(rgb >> 16 & 0xFF, rgb >> 8 & 0xFF, rgb & 0xFF));
        RECT place{box.left - clip.left, box.top - clip.top, std::min(box.right - clip.left, width),
                   std::min(box.bottom - clip.top, height)};
        const std::wstring text = Utf16(utf8);
        if (layout == TextLayout::OneLine) {
            ExtTextOutW(dc.get(), place.left, place.top, ETO_CLIPPED, &place, text.c_str(),
                        static_cast<UINT>(text.size()), nullptr);
        } else {
            DrawTextW(dc.get(), text.c_str(), static_cast<int>(text.size()), &place,
                      DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
        }
        GdiFlush();
    }
    for (std::int32_t y = 0; y < height; ++y) {
        for (std::int32_t x = 0; x < width; ++x) {
            const std::uint32_t pixel =
                pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)];
            const std::size_t at = image.Offset(clip.left + x, clip.top + y);
            image.rgb[at] = static_cast<std::uint8_t>(pixel >> 16);
            image.rgb[at + 1] = static_cast<std::uint8_t>(pixel >> 8);
            image.rgb[at + 2] = static_cast<std::uint8_t>(pixel);
        }
    }
    return true;
}

std::optional<std::int32_t> TextAdvance(std::string_view utf8, LabelFont font) {
    const Font label = CreateLabelFont(font);
    const MemoryDc dc(CreateCompatibleDC(nullptr));
    if (!label || !dc) {
        return std::nullopt;
    }
    const SelectedObject selected(dc.get(), label.get());
    const std::wstring text = Utf16(utf8);
    SIZE size{};
    if (!GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &size)) {
        return std::nullopt;
    }
    return size.cx;
}

}  // namespace pixlin::skintool
