// Times each screen read of one picker tick on its own, and prints the median and the 95th percentile of each as a
// Markdown table. Under Wine a read is a round trip to the X server; on a composited Windows desktop the screen's
// pixels come through the compositor, and a read can cost milliseconds, which only a run on Windows shows.
//
//     pixlin_screen_read [ITERATIONS [PROFILE]]
//
// ITERATIONS (default 1000): each read is timed that many times around the pointer. With PROFILE, a display's ICC
// profile, the table also times one display pixel's conversion to sRGB, as a tick on such a display makes it: by the
// system's colour management, which gives the readouts their colour, and by the core's matrix/TRC transform, which
// tells whether it lies outside sRGB.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "core/profile/display_profile.h"
#include "core/profile/icc_profile.h"
#include "win32/colour_transform.h"
#include "win32/monitor_profile.h"
#include "win32/screen_capture.h"
#include "win32/wide_text.h"
#include "win32/win_handles.h"

namespace {

constexpr long kDefaultIterations = 1000;
constexpr long kMaxIterations = 1000000;
// The default skin's loupe: 41 x 15 screen pixels around the pointer.
constexpr int kLoupeWidth = 41;
constexpr int kLoupeHeight = 15;

struct Timing {
    double medianUs = 0;
    double p95Us = 0;
};

// Each read returns false when the system refused it: a figure for a failed read would time an error path.
template <typename Read>
std::optional<Timing> TimeRead(long iterations, Read read) {
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    // Untimed: the first capture makes its bitmap, and the first read of a kind may load code.
    if (!read()) {
        return std::nullopt;
    }
    std::vector<double> micros;
    micros.reserve(static_cast<std::size_t>(iterations));
    for (long i = 0; i < iterations; ++i) {
        LARGE_INTEGER start{};
        LARGE_INTEGER end{};
        QueryPerformanceCounter(&start);
        const bool ok = read();
        QueryPerformanceCounter(&end);
        if (!ok) {
            return std::nullopt;
        }
        micros.push_back(static_cast<double>(end.QuadPart - start.QuadPart) * 1e6 /
                         static_cast<double>(frequency.QuadPart));
    }
    std::sort(micros.begin(), micros.end());
    const std::size_t count = micros.size();
    const double median = count % 2 == 1 ? micros[count / 2] : (micros[count / 2 - 1] + micros[count / 2]) / 2;
    // Nearest rank: the smallest time that at least 95 % of the reads did not exceed.
    const std::size_t rank = (95 * count + 99) / 100;
    return Timing{median, micros[rank - 1]};
}

// A display value of its own at every call, so that no cache along the way answers from an earlier one.
pixlin::Rgb NextColour(unsigned& counter) {
    counter += 40503;
    return {static_cast<std::uint8_t>(counter), static_cast<std::uint8_t>(counter >> 8),
            static_cast<std::uint8_t>(counter >> 16)};
}

}  // namespace

int main(int argc, char** argv) {
    char* end = nullptr;
    const long iterations = argc >= 2 ? std::strtol(argv[1], &end, 10) : kDefaultIterations;
    if (argc > 3 || (end != nullptr && (end == argv[1] || *end != '\0')) || iterations < 1 ||
        iterations > kMaxIterations) {
        std::fprintf(stderr, "usage: pixlin_screen_read [ITERATIONS from 1 to %ld [PROFILE]]\n", kMaxIterations);
        return 2;
    }
    std::optional<std::string> profileBytes;
    std::optional<pixlin::IccProfile> profile;
    if (argc == 3) {
        profileBytes = pixlin::ReadProfileFile(pixlin::Widen(argv[2]), pixlin::kMaxIccBytes);
        profile = profileBytes ? pixlin::ReadIccProfile(*profileBytes).profile : std::nullopt;
        if (!profile || !profile->matrixTrc) {
            std::fprintf(stderr, "pixlin_screen_read: %s is no matrix/TRC display profile\n", argv[2]);
            return 2;
        }
    }

    POINT pointer{};
    const pixlin::WindowDc held(nullptr);
    if (GetCursorPos(&pointer) == FALSE || !held) {
        std::fprintf(stderr, "pixlin_screen_read: no pointer or no screen to read (error %lu)\n", GetLastError());
        return 1;
    }
    const HDC screen = held.get();
    const pixlin::PixelRect loupe{pointer.x - kLoupeWidth / 2, pointer.y - kLoupeHeight / 2,
                                  pointer.x - kLoupeWidth / 2 + kLoupeWidth,
                                  pointer.y - kLoupeHeight / 2 + kLoupeHeight};
    pixlin::ScreenCapture capture;

    const auto cursor = [] {
        POINT now{};
        return GetCursorPos(&now) != FALSE;
    };
    const auto screenDc = [] { return static_cast<bool>(pixlin::WindowDc(nullptr)); };
    const auto pixel = [&] { return GetPixel(screen, pointer.x, pointer.y) != CLR_INVALID; };
    const auto blit = [&] { return capture.Capture(screen, loupe); };
    // What Timer1_Timer reads when the pointer moved: the position, a screen DC, then one pixel or the loupe's block.
    const auto tickWithout = [&] {
        POINT now{};
        const pixlin::WindowDc dc(nullptr);
        return GetCursorPos(&now) != FALSE && dc && GetPixel(dc.get(), pointer.x, pointer.y) != CLR_INVALID;
    };
    const auto tickWith = [&] {
        POINT now{};
        const pixlin::WindowDc dc(nullptr);
        return GetCursorPos(&now) != FALSE && dc && capture.Capture(dc.get(), loupe);
    };

    struct Row {
        const char* name;
        std::optional<Timing> timing;
    };
    std::vector<Row> rows = {
        {"GetCursorPos", TimeRead(iterations, cursor)},
        {"GetDC and ReleaseDC of the screen", TimeRead(iterations, screenDc)},
        {"GetPixel on the screen DC", TimeRead(iterations, pixel)},
        {"BitBlt of the loupe's 41 x 15 pixels", TimeRead(iterations, blit)},
        {"A tick's reads without the loupe", TimeRead(iterations, tickWithout)},
        {"A tick's reads with the loupe", TimeRead(iterations, tickWith)},
    };
    if (profile) {
        const std::optional<pixlin::SystemToSrgb> system = pixlin::SystemToSrgb::FromProfile(*profileBytes);
        const pixlin::DisplayTransform matrix(*profile->matrixTrc);
        unsigned counter = 0;
        // Kept, so that the core's conversion is not left out as having no effect.
        volatile unsigned sink = 0;
        rows.push_back({"One display pixel to sRGB by the system (TranslateColors)",
                        system ? TimeRead(iterations, [&] { return system->ToSrgb(NextColour(counter)).has_value(); })
                               : std::nullopt});
        rows.push_back({"The same by the core's matrix/TRC transform", TimeRead(iterations, [&] {
                            sink = sink + matrix.ToSrgb(NextColour(counter)).srgb.r;
                            return true;
                        })});
    }

    std::printf("Screen reads at the pointer (%ld, %ld), screen %d x %d, %ld times each\n\n", pointer.x, pointer.y,
                GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), iterations);
    std::printf("| Read | Median (us) | 95th percentile (us) |\n|---|---|---|\n");
    int failed = 0;
    for (const Row& row : rows) {
        if (row.timing) {
            std::printf("| %s | %.2f | %.2f |\n", row.name, row.timing->medianUs, row.timing->p95Us);
        } else {
            std::printf("| %s | failed | failed |\n", row.name);
            ++failed;
        }
    }
    if (failed > 0) {
        std::fprintf(stderr, "pixlin_screen_read: %d of the reads failed: the screen could not be read\n", failed);
        return 1;
    }
    return 0;
}
