// The files of the pure library build on every platform: none of them may reach a Windows header, directly or
// through a header of the project it includes. The list is the library's own, read from the build file that
// defines it, so a file added there is checked from then on.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kSourceDir = fs::path(__FILE__).parent_path().parent_path().parent_path() / "src";

std::string ReadText(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The file names between "add_library(pixlin_core STATIC" and the closing parenthesis.
std::vector<std::string> PureLibraryFiles() {
    const std::string build = ReadText(kSourceDir / "CMakeLists.txt");
    const std::string opening = "add_library(pixlin_core STATIC";
    const std::size_t start = build.find(opening);
    if (start == std::string::npos) {
        return {};
    }
    const std::size_t end = build.find(')', start);
    std::istringstream names(build.substr(start + opening.size(), end - start - opening.size()));
    std::vector<std::string> files;
    for (std::string name; names >> name;) {
        files.push_back(name);
    }
    return files;
}

bool IsWindowsHeader(std::string name) {
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
    static const std::set<std::string> kHeaders{"windows.h",  "windowsx.h", "winuser.h",  "wingdi.h",
                                                "winbase.h",  "objbase.h",  "wincodec.h", "mmsystem.h",
                                                "commctrl.h", "shellapi.h", "winnt.h",    "windef.h"};
    return kHeaders.count(name) > 0;
}

struct Include {
    bool angled;
    std::string name;
};

// The header a line includes, if it is an include line.
std::optional<Include> IncludeOf(const std::string& line) {
    std::size_t at = line.find_first_not_of(" \t");
    if (at == std::string::npos || line[at] != '#') {
        return std::nullopt;
    }
    at = line.find_first_not_of(" \t", at + 1);
    if (at == std::string::npos || line.compare(at, 7, "include") != 0) {
        return std::nullopt;
    }
    at = line.find_first_not_of(" \t", at + 7);
    if (at == std::string::npos || (line[at] != '<' && line[at] != '"')) {
        return std::nullopt;
    }
    const bool angled = line[at] == '<';
    const std::size_t end = line.find(angled ? '>' : '"', at + 1);
    if (end == std::string::npos) {
        return std::nullopt;
    }
    return Include{angled, line.substr(at + 1, end - at - 1)};
}

// The Windows headers a file reaches, each with the chain of project files that leads to it.
void FindWindowsHeaders(const fs::path& file,
                        const std::string& chain,
                        std::set<fs::path>& seen,
                        std::vector<std::string>& found) {
    if (!seen.insert(file).second) {
        return;
    }
    std::istringstream lines(ReadText(file));
    for (std::string line; std::getline(lines, line);) {
        const std::optional<Include> include = IncludeOf(line);
        if (!include) {
            continue;
        }
        if (include->angled) {
            if (IsWindowsHeader(include->name)) {
                found.push_back(chain + " -> <" + include->name + ">");
            }
            continue;
        }
        // Project headers are named from src/ or from the including file's folder.
        for (const fs::path& candidate : {kSourceDir / include->name, file.parent_path() / include->name}) {
            if (fs::exists(candidate)) {
                FindWindowsHeaders(fs::canonical(candidate), chain + " -> " + include->name, seen, found);
                break;
            }
        }
    }
}

TEST(PureSources, NoFileOfThePureLibraryReachesAWindowsHeader) {
    const std::vector<std::string> files = PureLibraryFiles();
    ASSERT_GE(files.size(), 10u) << "the pure library's file list was not found in " << kSourceDir / "CMakeLists.txt";
    for (const std::string& name : files) {
        const fs::path path = kSourceDir / name;
        ASSERT_TRUE(fs::exists(path)) << name;
        std::set<fs::path> seen;
        std::vector<std::string> found;
        FindWindowsHeaders(fs::canonical(path), name, seen, found);
        for (const std::string& chain : found) {
            ADD_FAILURE() << chain;
        }
    }
}

// The check itself must see a Windows header behind a project header.
TEST(PureSources, TheCheckFindsAWindowsHeaderBehindAProjectHeader) {
    std::set<fs::path> seen;
    std::vector<std::string> found;
    FindWindowsHeaders(fs::canonical(kSourceDir / "winsvc/window_region.h"), "winsvc/window_region.h", seen, found);
    ASSERT_FALSE(found.empty());
    EXPECT_EQ(found.front(), "winsvc/window_region.h -> winsvc/win_handles.h -> <windows.h>");
}

}  // namespace
