#include "picker/form1.h"

#include <vector>

#include "core/colour/nearest_name.h"
#include "core/palette/palette_files.h"
#include "picker/resource.h"
#include "win32/message_box.h"
#include "win32/system_error_text.h"
#include "win32/whole_file.h"
#include "win32/wide_text.h"

namespace pixlin {
namespace {

constexpr wchar_t kExportTitle[] = L"Export colours";
constexpr wchar_t kImportTitle[] = L"Import colours";
constexpr wchar_t kKeepTitle[] = L"Keep colours between runs";
constexpr char kPaletteName[] = "Pixlin";

std::wstring FileNameOf(const std::wstring& path) {
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

std::wstring Count(std::size_t count, const wchar_t* one, const wchar_t* many) {
    return std::to_wstring(count) + L" " + (count == 1 ? one : many);
}

}  // namespace

// From the keyboard (Shift+F10, the menu key) the menu is for the current colour and opens over the swatch; from the
// mouse for what the right button was released on.
void Form1::OnContextMenu(std::optional<POINT> screenPoint) {
    const std::optional<HistoryEntry> pick = PickEntry();
    if (!screenPoint) {
        const PixelRect& swatch = panel_.Shape1().pixels;
        POINT at{(swatch.left + swatch.right) / 2, (swatch.top + swatch.bottom) / 2};
        ClientToScreen(hwnd_, &at);
        OpenColourMenu({false, pick}, at);
        return;
    }
    const POINT at = *screenPoint;
    POINT client = at;
    ScreenToClient(hwnd_, &client);
    if (RightPressActionAt(client.x, client.y) != WindowAction::ColourMenu) {
        return;
    }
    if (history_.Contains(client.x, client.y)) {
        // An empty swatch has no colour to act on.
        if (const std::optional<HistoryEntry> entry = history_.EntryAt(client.x, client.y)) {
            OpenColourMenu({true, entry}, at);
        }
        return;
    }
    OpenColourMenu({false, pick}, at);
}

void Form1::OpenColourMenu(const MenuTarget& target, POINT at) {
    ColourMenuContext context;
    context.onHistory = target.onHistory;
    if (target.entry) {
        context.colour = target.entry->colour;
        const std::optional<std::size_t> index = history_.IndexOf(target.entry->colour);
        context.pinned = index && history_.Entries()[*index].pinned;
    }
    context.canPin = history_.CanPin();
    context.historyEmpty = history_.Entries().empty();
    context.pair = pair_;
    context.keeping = keeping_.On();
    const std::vector<ColourMenuItem> items = ColourMenuItems(context);
    const std::optional<ColourCommand> command = args_.chooseColourCommand(hwnd_, items, at);
    // The menu's loop answers messages sent to the thread; one that ends the session destroys the window.
    if (command && hwnd_ != nullptr) {
        RunColourCommand(*command, target);
    }
}

// The history may have changed while the menu was up (the copy key works meanwhile): its entries are found again by
// their colour.
void Form1::RunColourCommand(ColourCommand command, const MenuTarget& target) {
    const std::optional<Rgb> colour = target.entry ? std::optional(target.entry->colour) : std::nullopt;
    const std::optional<std::size_t> index = colour ? history_.IndexOf(*colour) : std::nullopt;
    switch (command) {
        case ColourCommand::Pin:
            if (index) {
                history_.Pin(hwnd_, *index);
            } else if (target.entry) {
                history_.PinNew(hwnd_, *target.entry);
            }
            return;
        case ColourCommand::Unpin:
            if (index) {
                history_.Unpin(hwnd_, *index);
            }
            return;
        case ColourCommand::Remove:
            if (index && target.onHistory) {
                history_.Remove(hwnd_, *index);
            }
            return;
        case ColourCommand::SetText:
            SetPairSide(&ContrastPair::fixedText, colour);
            return;
        case ColourCommand::LetTextFollow:
            SetPairSide(&ContrastPair::fixedText, std::nullopt);
            return;
        case ColourCommand::SetBackground:
            SetPairSide(&ContrastPair::fixedBackground, colour);
            return;
        case ColourCommand::LetBackgroundFollow:
            SetPairSide(&ContrastPair::fixedBackground, std::nullopt);
            return;
        case ColourCommand::Export:
            ExportColours();
            return;
        case ColourCommand::Import:
            ImportColours();
            return;
        case ColourCommand::Keep:
            ToggleKeeping();
            return;
    }
}

void Form1::SetPairSide(std::optional<Rgb> ContrastPair::*side, std::optional<Rgb> colour) {
    if (pair_.*side == colour) {
        return;
    }
    pair_.*side = colour;
    ShowTexts();
    SaveKeptColours();
}

// The colours in the history's order, pinned first, each named as the nearest readout names it.
void Form1::ExportColours() {
    const std::optional<std::wstring> path = args_.askExportFile(hwnd_);
    if (!path || hwnd_ == nullptr) {
        return;
    }
    const std::optional<PaletteFormat> format = PaletteFormatOf(*path);
    if (!format) {
        ShowMessageBox(hwnd_,
                       L"Pixlin writes .gpl, .ase, .css and .json files; \"" + FileNameOf(*path) + L"\" is none.",
                       kExportTitle, MB_OK | MB_ICONWARNING, IDR_THEMED_DIALOGS);
        return;
    }
    Palette palette{kPaletteName, {}};
    for (const HistoryEntry& entry : history_.Entries()) {
        palette.entries.push_back({entry.colour, NearestNameText(entry.colour)});
    }
    if (!WriteWholeFile(*path, WritePalette(*format, palette))) {
        const DWORD error = GetLastError();
        ShowMessageBox(hwnd_, L"\"" + FileNameOf(*path) + L"\" could not be written: " + SystemErrorText(error),
                       kExportTitle, MB_OK | MB_ICONWARNING, IDR_THEMED_DIALOGS);
    }
}

// Nothing changes unless the whole file reads well.
void Form1::ImportColours() {
    const std::optional<std::wstring> path = args_.askImportFile(hwnd_);
    if (!path || hwnd_ == nullptr) {
        return;
    }
    const std::wstring name = L"\"" + FileNameOf(*path) + L"\"";
    auto refuse = [this, &name](const std::wstring& why) {
        ShowMessageBox(hwnd_, name + L": " + why + L" Nothing was imported.", kImportTitle, MB_OK | MB_ICONWARNING,
                       IDR_THEMED_DIALOGS);
    };
    const std::optional<PaletteFormat> format = PaletteFormatOf(*path);
    if (!format || !CanImport(*format)) {
        refuse(L"Pixlin reads GIMP palettes (.gpl), Adobe swatch exchange files (.ase) and its own palettes (.json).");
        return;
    }
    const SmallFile file = ReadSmallFile(*path, kMaxPaletteBytes);
    if (file.state != SmallFile::State::Read) {
        refuse(SystemErrorText(file.error));
        return;
    }
    const PaletteRead read = ReadPalette(*format, file.bytes);
    if (!read.error.empty()) {
        refuse(Widen(read.error));
        return;
    }
    if (read.palette.entries.empty()) {
        refuse(read.skipped > 0 ? L"it holds only colours in CMYK, Lab or grey, which Pixlin does not take."
                                : L"it holds no colours.");
        return;
    }
    std::vector<Rgb> colours;
    colours.reserve(read.palette.entries.size());
    for (const PaletteEntry& entry : read.palette.entries) {
        colours.push_back(entry.colour);
    }
    const HistoryImport imported = history_.Import(hwnd_, colours);
    if (read.skipped > 0 || imported.leftOut > 0) {
        std::wstring text = Count(imported.added, L"colour", L"colours") + L" of " + name + L" came into the history.";
        if (read.skipped > 0) {
            text += L" " +
                    Count(read.skipped, L"colour in CMYK, Lab or grey was", L"colours in CMYK, Lab or grey were") +
                    L" skipped.";
        }
        if (imported.leftOut > 0) {
            text += L" " + Count(imported.leftOut, L"colour", L"colours") + L" found no room.";
        }
        ShowMessageBox(hwnd_, text, kImportTitle, MB_OK | MB_ICONINFORMATION, IDR_THEMED_DIALOGS);
    }
}

void Form1::ToggleKeeping() {
    if (keeping_.On()) {
        if (!keeping_.TurnOff()) {
            ShowMessageBox(hwnd_, L"Pixlin could not store the setting in the registry; it still keeps the colours.",
                           kKeepTitle, MB_OK | MB_ICONWARNING, IDR_THEMED_DIALOGS);
        }
        return;
    }
    const ColourKeeping::TurnedOn turned =
        keeping_.TurnOn(KeptColours{{history_.Entries().begin(), history_.Entries().end()}, pair_});
    if (!turned.on) {
        ShowMessageBox(hwnd_, L"Pixlin could not store the setting in the registry; the colours are not kept.",
                       kKeepTitle, MB_OK | MB_ICONWARNING, IDR_THEMED_DIALOGS);
        return;
    }
    ShowKeptNotice(turned.notice);
}

// After the layout, which gives the history its size. Colours copied while the layout loaded stay in front.
void Form1::LoadKeptColours() {
    const ColourKeeping::Start start = keeping_.Load();
    if (start.colours) {
        std::vector<HistoryEntry> entries(history_.Entries().begin(), history_.Entries().end());
        entries.insert(entries.end(), start.colours->history.begin(), start.colours->history.end());
        history_.Restore(hwnd_, entries);
        pair_ = start.colours->contrast;
        ShowTexts();
    }
    ShowKeptNotice(start.notice);
}

void Form1::SaveKeptColours() {
    if (keeping_.On()) {
        ShowKeptNotice(keeping_.Save(KeptColours{{history_.Entries().begin(), history_.Entries().end()}, pair_}));
    }
}

void Form1::ShowKeptNotice(std::optional<KeptNotice> notice) {
    if (notice) {
        panel_.ShowNotice(KeptNoticeText(*notice));
    }
}

}  // namespace pixlin
