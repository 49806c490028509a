#include <csetjmp>
#include <cstddef>
#include <cstdio>

// After <cstddef> and <cstdio>: it uses size_t and FILE without including their headers.
#include <jpeglib.h>

#include "skintool/host_decoders.h"

namespace pixlin::skintool {
namespace {

constexpr int kRgbBytes = 3;
// A progressive file may hold thousands of tiny scans, each a pass over the whole picture: a few bytes then cost
// minutes. Real files have about ten.
constexpr int kMaxScans = 500;

struct JpegState {
    jpeg_decompress_struct info{};
    jpeg_error_mgr errors{};
    jpeg_progress_mgr progress{};
    std::jmp_buf jump{};
    char message[JMSG_LENGTH_MAX] = {};
    bool created = false;

    JpegState() = default;
    JpegState(const JpegState&) = delete;
    JpegState& operator=(const JpegState&) = delete;
    ~JpegState() {
        if (created) {
            jpeg_destroy_decompress(&info);
        }
    }
};

JpegState& StateOf(j_common_ptr info) {
    return *static_cast<JpegState*>(info->client_data);
}

[[noreturn]] void OnError(j_common_ptr info) {
    JpegState& state = StateOf(info);
    (*info->err->format_message)(info, state.message);
    std::longjmp(state.jump, 1);
}

// Warnings (damaged data the library fills in) are counted by the library; nothing is printed.
void OnMessage(j_common_ptr, int) {}

void OnProgress(j_common_ptr info) {
    const auto* decompress = reinterpret_cast<j_decompress_ptr>(info);
    if (decompress->input_scan_number > kMaxScans) {
        std::snprintf(StateOf(info).message, JMSG_LENGTH_MAX, "more than %d scans", kMaxScans);
        std::longjmp(StateOf(info).jump, 1);
    }
}

// False on any error libjpeg-turbo reports. An error jumps back here: this frame holds no object with a destructor,
// and all it changes lives in `state`, `picture` and `rgb`, outside it.
bool ReadJpeg(std::string_view bytes,
              const PictureLimits& limits,
              JpegState& state,
              SkinPicture& picture,
              std::vector<std::uint8_t>& rgb) {
    state.info.err = jpeg_std_error(&state.errors);
    state.errors.error_exit = OnError;
    state.errors.emit_message = OnMessage;
    state.info.client_data = &state;
    if (setjmp(state.jump)) {
        return false;
    }
    jpeg_create_decompress(&state.info);
    state.created = true;
    state.progress.progress_monitor = OnProgress;
    state.info.progress = &state.progress;
    jpeg_mem_src(&state.info, reinterpret_cast<const unsigned char*>(bytes.data()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&state.info, TRUE);
    picture.width = static_cast<std::int32_t>(state.info.image_width);
    picture.height = static_cast<std::int32_t>(state.info.image_height);
    if (!limits.Allow(state.info.image_width, state.info.image_height)) {
        picture.outcome = PictureOutcome::TooLarge;
        return true;
    }
    if (state.info.jpeg_color_space == JCS_CMYK || state.info.jpeg_color_space == JCS_YCCK) {
        picture.outcome = PictureOutcome::NotChecked;
        picture.detail = "a CMYK JPEG, which Windows converts to RGB its own way";
        return true;
    }
    state.info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&state.info);
    const std::size_t stride = std::size_t{state.info.output_width} * kRgbBytes;
    rgb.resize(stride * state.info.output_height);
    while (state.info.output_scanline < state.info.output_height) {
        JSAMPROW row = rgb.data() + stride * state.info.output_scanline;
        jpeg_read_scanlines(&state.info, &row, 1);
    }
    picture.outcome = PictureOutcome::Decoded;
    return true;
}

}  // namespace

void DecodeJpeg(std::string_view bytes, const PictureLimits& limits, SkinPicture& picture) {
    JpegState state;
    std::vector<std::uint8_t> rgb;
    if (!ReadJpeg(bytes, limits, state, picture, rgb)) {
        picture.outcome = PictureOutcome::Unreadable;
        picture.detail = std::string("libjpeg-turbo: ") + state.message;
        return;
    }
    if (picture.outcome != PictureOutcome::Decoded) {
        return;
    }
    TakePixels(rgb, kRgbBytes, picture);
    if (state.errors.num_warnings > 0) {
        picture.doubts.push_back({Severity::Warning,
                                  "the JPEG's data is damaged: libjpeg-turbo fills the gaps, "
                                  "Windows' decoder may refuse the file or fill them otherwise"});
    }
    picture.doubts.push_back({Severity::Info,
                              "JPEG pixels are decoded here by libjpeg-turbo; Windows' decoder may "
                              "differ by a level or two in a channel, so the counts of pixels near "
                              "the key colour are close, not exact"});
}

}  // namespace pixlin::skintool
