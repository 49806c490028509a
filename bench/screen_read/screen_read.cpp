// Times each screen read of one picker tick on its own, and prints the median and the 95th percentile of each as a
// Markdown table. Under Wine a read is a round trip to the X server; on a composited Windows desktop the screen's
// pixels come through the compositor, and a read can cost milliseconds, which only a run on Windows shows.
//
//     pixlin_screen_read [ITERATIONS]     (default 1000, each read timed that many times around the pointer)

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

#include "win32/screen_capture.h"
#include "win32/win_handles.h"

namespace {

constexpr long kDefaultIterations = 1000;
constexpr long kMaxIterations = 1000000;
// The default skin's loupe: 33 x 17 screen pixels around the pointer.
constexpr int kLoupeWidth = 33;
constexpr int kLoupeHeight = 17;

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

}  // namespace

int main(int argc, char** argv) {
    char* end = nullptr;
    const long iterations = argc == 2 ? std::strtol(argv[1], &end, 10) : kDefaultIterations;
    if (argc > 2 || (end != nullptr && (end == argv[1] || *end != '\0')) || iterations < 1 ||
        iterations > kMaxIterations) {
        std::fprintf(stderr, "usage: pixlin_screen_read [ITERATIONS from 1 to %ld]\n", kMaxIterations);
        return 2;
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
    const Row rows[] = {
        {"GetCursorPos", TimeRead(iterations, cursor)},
        {"GetDC and ReleaseDC of the screen", TimeRead(iterations, screenDc)},
        {"GetPixel on the screen DC", TimeRead(iterations, pixel)},
        {"BitBlt of the loupe's 33 x 17 pixels", TimeRead(iterations, blit)},
        {"A tick's reads without the loupe", TimeRead(iterations, tickWithout)},
        {"A tick's reads with the loupe", TimeRead(iterations, tickWith)},
    };

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
