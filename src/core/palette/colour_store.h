#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/colour/colour_history.h"
#include "core/colour/contrast_pair.h"

namespace pixlin {

// What Pixlin keeps between runs when asked to, in %APPDATA%\Pixlin\colours.json (UTF-8 JSON):
//
//   {
//     "contrast": {"background": null, "text": "#000000"},
//     "format": "pixlin-colours",
//     "history": [
//       {"hex": "#FF8000", "pinned": true, "x": 120, "y": -40},
//       {"hex": "#1E90FF", "pinned": false, "x": 0, "y": 0}
//     ],
//     "version": 1
//   }
//
// (written with the members in alphabetical order, indented two blanks a level). "format" and "version" say what the
// file is. "history" lists the history as the window shows it, left to right: the colour, the screen pixel it was
// picked at (x, y; 0, 0 for colours from a palette) and whether it is pinned. "contrast" holds the fixed text and
// background colours of the contrast pair, null for a side that follows the current colour.
struct KeptColours {
    std::vector<HistoryEntry> history;
    ContrastPair contrast;
};

// How a read went; only Fine comes with colours. The window can tell the user which, and keep a file that is not
// Fine rather than write over it.
enum class StoreState {
    Fine,
    Damaged,   // not JSON, or ours with a member missing or of the wrong type
    Foreign,   // JSON, but no "format": "pixlin-colours" at its top
    TooLarge,  // above kMaxStoreBytes, refused unread
    Newer,     // ours, from a newer Pixlin ("version" above 1)
};

struct StoreRead {
    StoreState state = StoreState::Fine;
    KeptColours colours;
    std::string error;  // for all but Fine: a short English sentence naming the place, for a message box
};

// A history of 32 colours takes about 2 KB; far larger files are no file of ours.
inline constexpr std::size_t kMaxStoreBytes = 1024 * 1024;
inline constexpr std::size_t kMaxStoreEntries = 1024;

std::string WriteColourStore(const KeptColours& colours);

// Strict about the members it reads (all must be there, each of its type, x and y 32-bit whole numbers), and passes
// over members it does not know, so that a later version 1 may add some. The history is taken as it is: repeated
// colours and too many pins are for ColourHistory::Restore to settle.
StoreRead ReadColourStore(std::string_view bytes);

}  // namespace pixlin
