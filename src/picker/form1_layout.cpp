#include "picker/form1.h"

#include <array>
#include <string>
#include <variant>
#include <vector>

#include "core/base/skip_on_failure.h"
#include "core/skin/layout_lines.h"
#include "core/skin/layout_reader.h"
#include "core/skin/with_property.h"
#include "picker/form1_bindings.h"
#include "win32/betriebssystem_version.h"
#include "win32/trans.h"

namespace pixlin {
namespace {

// Translucent windows came with major version 5.
constexpr int16_t kLastVersionWithoutLayers = 4;

// Small enough that the window answers its messages between two chunks even on a slow disk.
constexpr DWORD kLayoutChunkBytes = 64 * 1024;
// A load shorter than this runs before the first message is answered, as start-up always did; a longer one answers
// between chunks, so that the window is not deaf to Esc while it lasts.
constexpr ULONGLONG kQuietLoadMs = 200;

// What the layout file does to one control: its place, and its text colour where it takes one.
struct ControlEffect {
    TwipsRect place;
    PixelRect pixels;
    COLORREF foreColor = 0;
    bool placed = false;
};

// The whole file's effect, gathered before any control moves: a layout of a million lines then costs one move per
// control, not one per line.
struct LayoutEffect {
    std::array<ControlEffect, kForm1ControlCount> controls;
    std::optional<int16_t> alpha;
};

// A place whose pixels overflow is refused before anything changes, so the control keeps its previous place.
void Place(ControlEffect& control, PlacementProperty property, float twips, const DisplayScale& scale) {
    const TwipsRect place = WithProperty(control.place, property, twips);
    control.pixels = ToPixels(place, scale);
    control.place = place;
    control.placed = true;
}

// Each control takes each assignment on its own, so that one control refusing a place leaves the other one a key
// places unaffected.
void Take(LayoutEffect& effect, const LayoutAssignment& assignment, const DisplayScale& scale) {
    if (const auto* translucency = std::get_if<TranslucencyAssignment>(&assignment)) {
        effect.alpha = translucency->alpha;
        return;
    }
    for (const ControlBinding& binding : kControlBindings) {
        ControlEffect& control = effect.controls[IndexOf(binding.control)];
        SkipOnFailure([&] {
            if (const auto* placement = std::get_if<PlacementAssignment>(&assignment)) {
                if (placement->key == binding.layoutKey) {
                    Place(control, placement->property, placement->twips, scale);
                }
            } else if (const auto* foreColor = std::get_if<ForeColorAssignment>(&assignment)) {
                if (foreColor->key == binding.layoutKey) {
                    control.foreColor = static_cast<COLORREF>(foreColor->colour);
                }
            }
        });
    }
}

// Dispatches what is waiting for the window, a WM_QUIT left for the message loop. False once the window is gone.
bool AnswerPendingMessages(const HWND& window) {
    MSG message{};
    while (window != nullptr && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return window != nullptr;
}

}  // namespace

// The window is already on the screen and answers while a long file loads; the controls move in one repaint at the
// end. Closed while it loads, it takes nothing of the file.
void Form1::ApplyLayout(HANDLE file) {
    LayoutEffect effect;
    for (std::size_t i = 0; i < kForm1LabelCount; ++i) {
        effect.controls[i] = ControlEffect{labels_[i].place, labels_[i].pixels, labels_[i].foreColor};
    }
    effect.controls[IndexOf(Form1Control::Shape1)] = ControlEffect{shape1_.place, shape1_.pixels};
    effect.controls[IndexOf(Form1Control::Text1)] = ControlEffect{text1Place_, {}, text1ForeColor_};

    std::vector<LayoutAssignment> assignments;
    const auto takeLine = [&](std::string_view line) {
        assignments.clear();
        // Places in the file are pixels at 100 %; the controls take them at the window's scale.
        ReadLayoutLine(line, kUnscaledLayout, assignments);
        for (const LayoutAssignment& assignment : assignments) {
            if (const auto* loupePlace = std::get_if<LoupePlacementAssignment>(&assignment)) {
                loupe_.Place(loupePlace->property, loupePlace->twips);
            } else if (const auto* loupeFactor = std::get_if<LoupeFactorAssignment>(&assignment)) {
                loupe_.SetFactor(loupeFactor->factor);
            } else {
                Take(effect, assignment, scale_);
            }
        }
    };
    LayoutLineSplitter lines;
    std::string chunk(kLayoutChunkBytes, '\0');
    DWORD read = 0;
    const ULONGLONG began = GetTickCount64();
    while (ReadFile(file, chunk.data(), kLayoutChunkBytes, &read, nullptr) && read > 0) {
        lines.Feed(std::string_view(chunk.data(), read), takeLine);
        if (GetTickCount64() - began >= kQuietLoadMs && !AnswerPendingMessages(hwnd_)) {
            return;
        }
    }
    lines.Finish(takeLine);

    for (std::size_t i = 0; i < kForm1LabelCount; ++i) {
        labels_[i].place = effect.controls[i].place;
        labels_[i].pixels = effect.controls[i].pixels;
        labels_[i].foreColor = effect.controls[i].foreColor;
    }
    const ControlEffect& shape = effect.controls[IndexOf(Form1Control::Shape1)];
    shape1_.place = shape.place;
    shape1_.pixels = shape.pixels;
    const ControlEffect& text = effect.controls[IndexOf(Form1Control::Text1)];
    if (text.placed) {
        text1Place_ = text.place;
        SkipOnFailure([this, &text] {
            MoveWindow(text1_, text.pixels.left, text.pixels.top, text.pixels.right - text.pixels.left,
                       text.pixels.bottom - text.pixels.top, TRUE);
        });
    }
    if (text.foreColor != text1ForeColor_) {
        text1ForeColor_ = text.foreColor;
        InvalidateRect(text1_, nullptr, TRUE);
    }
    if (effect.alpha) {
        SkipOnFailure([this, &effect] {
            if (GetOsVersion() > kLastVersionWithoutLayers) {
                SetTranslucency(hwnd_, *effect.alpha);
            }
        });
    }
    SkipOnFailure([this] { ArrangeLoupe(); });
    InvalidateRect(hwnd_, nullptr, FALSE);
}

void Form1::ArrangeLoupe() {
    RECT client{};
    GetClientRect(hwnd_, &client);
    loupe_.Arrange(scale_, {client.left, client.top, client.right, client.bottom});
}

}  // namespace pixlin
