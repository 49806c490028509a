#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pixlin {

// Takes the first line of the skin layout file's remaining bytes and moves `rest` past it and its line end.
// A line ends at CR LF or at a lone CR; a lone LF belongs to the line; the last line needs no line end.
// Nothing when no bytes remain. The line views into the same buffer as `rest`.
std::optional<std::string_view> TakeLayoutLine(std::string_view& rest);

// All lines of the file, as views into `bytes`; an empty file has none.
std::vector<std::string_view> SplitLayoutLines(std::string_view bytes);

// The same lines from a file that comes in chunks cut anywhere, a CR LF pair included. Only the line that reaches
// past a chunk's end is kept: the memory is bounded by the longest line, not by the file.
class LayoutLineSplitter {
public:
    // Calls `onLine(std::string_view)` for every line the chunk completes; the view lives until the call returns.
    template <typename OnLine>
    void Feed(std::string_view chunk, OnLine&& onLine) {
        if (afterCr_ && !chunk.empty()) {
            afterCr_ = false;
            if (chunk.front() == '\n') {
                chunk.remove_prefix(1);
            }
        }
        while (!chunk.empty()) {
            const std::size_t cr = chunk.find('\r');
            if (cr == std::string_view::npos) {
                pending_.append(chunk);
                return;
            }
            if (pending_.empty()) {
                onLine(chunk.substr(0, cr));
            } else {
                pending_.append(chunk.substr(0, cr));
                onLine(std::string_view(pending_));
                pending_.clear();
            }
            chunk.remove_prefix(cr + 1);
            if (chunk.empty()) {
                afterCr_ = true;
            } else if (chunk.front() == '\n') {
                chunk.remove_prefix(1);
            }
        }
    }

    // Calls `onLine` for the last line when it has no line end.
    template <typename OnLine>
    void Finish(OnLine&& onLine) {
        if (!pending_.empty()) {
            onLine(std::string_view(pending_));
            pending_.clear();
        }
        afterCr_ = false;
    }

private:
    std::string pending_;
    // The last chunk ended in CR: an LF starting the next one belongs to that line end.
    bool afterCr_ = false;
};

}  // namespace pixlin
