#pragma once

#include <optional>
#include <string>

#include "core/palette/colour_store.h"
#include "core/texts/paste_texts.h"

namespace pixlin {

// Where the kept colours live: the folder of colours.json, and the registry key under HKEY_CURRENT_USER whose value
// KeepColours says whether keeping is on.
struct KeepingPlace {
    std::wstring folder;
    std::wstring settingsKey;
};

// %APPDATA%\Pixlin and Software\Pixlin; no folder when the system gives no APPDATA (keeping then cannot save).
KeepingPlace DefaultKeepingPlace();

// Keeping colours between runs, on the user's request only: until it is turned on, nothing here writes or even reads a
// file. The file is written whole or not at all, and one that cannot be read is moved aside (colours.json.damaged-
// and the date and time), never written over.
class ColourKeeping {
public:
    explicit ColourKeeping(KeepingPlace place) : place_(std::move(place)) {}

    bool On() const noexcept { return on_; }

    struct Start {
        std::optional<KeptColours> colours;
        std::optional<KeptNotice> notice;
    };
    // At start-up: whether keeping is on, and then what the file holds. A file that is not Fine is moved aside and
    // gives the notice for its state instead of colours.
    Start Load();

    // Turns keeping on and saves `now` at once (after moving a file that cannot be read aside). Nothing, and keeping
    // stays off, when the registry refuses the switch.
    struct TurnedOn {
        bool on = false;
        std::optional<KeptNotice> notice;
    };
    TurnedOn TurnOn(const KeptColours& now);
    // Saving and loading stop; the file stays as it is.
    bool TurnOff();

    // Saves when keeping is on. A notice the first time a save fails after one that did not.
    std::optional<KeptNotice> Save(const KeptColours& now);

    std::wstring FilePath() const;

private:
    // Reads the file there and decides whether it may be written over; moves a file that cannot be read aside.
    std::optional<KeptNotice> Check(std::optional<KeptColours>* colours);

    KeepingPlace place_;
    bool on_ = false;
    // The file is ours to write over: missing, read as Fine, moved aside, or written by this program.
    bool mayWrite_ = false;
    bool failing_ = false;
};

}  // namespace pixlin
