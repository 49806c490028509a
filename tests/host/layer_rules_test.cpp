// The source folders are layers, and includes point down them only: core (pure, every platform) <- win32 <- picker
// <- app, with the skin tool on the core (and, on Windows, on the picker's picture loader alone). Every project include
// names its layer folder first, so the folder of an include is its layer; a core file may not reach a Windows header,
// directly or through a header of the project.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kSourceDir = fs::path(__FILE__).parent_path().parent_path().parent_path() / "src";

// Each layer with the layers its files may include from.
const std::map<std::string, std::set<std::string>> kMayInclude{
    {"core", {"core"}},
    {"win32", {"core", "win32"}},
    {"picker", {"core", "win32", "picker"}},
    {"app", {"core", "win32", "picker", "app"}},
    {"skintool", {"core", "skintool"}},
};

// Single headers a layer may include beyond its layers: the skin checker on Windows decodes pictures with the
// picker's own loader, so that it reports what the picker shows.
const std::map<std::string, std::set<std::string>> kMayAlsoInclude{
    {"skintool", {"win32/picture_file.h", "win32/win_handles.h"}},
};

std::string ReadText(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
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

std::vector<Include> IncludesOf(const fs::path& file) {
    std::vector<Include> includes;
    std::istringstream lines(ReadText(file));
    for (std::string line; std::getline(lines, line);) {
        if (std::optional<Include> include = IncludeOf(line)) {
            includes.push_back(*include);
        }
    }
    return includes;
}

std::string FirstFolder(const std::string& path) {
    const std::size_t slash = path.find('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

// Why a file of `layer` may not include the project header `name`, or nothing when it may.
std::optional<std::string> Violation(const std::string& layer, const std::string& name) {
    const std::string target = FirstFolder(name);
    if (!kMayInclude.contains(target) || name.find("..") != std::string::npos) {
        return "names no layer folder: \"" + name + "\"";
    }
    const bool excepted = kMayAlsoInclude.contains(layer) && kMayAlsoInclude.at(layer).contains(name);
    if (!kMayInclude.at(layer).contains(target) && !excepted) {
        return "points up or across, from " + layer + " to " + target + ": \"" + name + "\"";
    }
    return std::nullopt;
}

TEST(LayerRules, TheRuleTellsDownFromUp) {
    const struct {
        const char* layer;
        const char* include;
        bool allowed;
    } rows[] = {
        {"core", "core/layout/layout_reader.h", true},
        {"core", "win32/win_handles.h", false},
        {"core", "picker/form1.h", false},
        {"win32", "core/loupe/screen_pixels.h", true},
        {"win32", "picker/form1.h", false},
        {"picker", "win32/hotkey.h", true},
        {"picker", "app/anything.h", false},
        {"app", "picker/form1.h", true},
        {"skintool", "core/layout/layout_reader.h", true},
        {"skintool", "picker/form1_bindings.h", false},
        {"skintool", "win32/picture_file.h", true},
        {"skintool", "win32/hotkey.h", false},
        {"core", "win32/picture_file.h", false},
        {"win32", "layout_reader.h", false},
        {"picker", "../core/base/point.h", false},
        {"core", "core/../win32/trans.h", false},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(!Violation(row.layer, row.include).has_value(), row.allowed) << row.layer << " <- " << row.include;
    }
}

std::vector<fs::path> SourceFiles() {
    std::vector<fs::path> files;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(kSourceDir)) {
        const std::string extension = entry.path().extension().string();
        if (entry.is_regular_file() && (extension == ".h" || extension == ".cpp" || extension == ".rc")) {
            files.push_back(entry.path());
        }
    }
    return files;
}

TEST(LayerRules, EveryIncludeOfTheTreePointsDown) {
    const std::vector<fs::path> files = SourceFiles();
    ASSERT_GE(files.size(), 100u) << kSourceDir;
    for (const fs::path& file : files) {
        const std::string relative = fs::relative(file, kSourceDir).generic_string();
        const std::string layer = FirstFolder(relative);
        ASSERT_TRUE(kMayInclude.contains(layer)) << relative << " lies in no layer folder";
        for (const Include& include : IncludesOf(file)) {
            if (include.angled) {
                continue;
            }
            if (const std::optional<std::string> why = Violation(layer, include.name)) {
                ADD_FAILURE() << relative << ": " << *why;
            } else {
                EXPECT_TRUE(fs::exists(kSourceDir / include.name)) << relative << ": no such file " << include.name;
            }
        }
    }
}

// The Windows headers a file reaches, each with the chain of project files that leads to it.
void FindWindowsHeaders(const fs::path& file,
                        const std::string& chain,
                        std::set<fs::path>& seen,
                        std::vector<std::string>& found) {
    if (!seen.insert(file).second) {
        return;
    }
    for (const Include& include : IncludesOf(file)) {
        if (include.angled) {
            if (IsWindowsHeader(include.name)) {
                found.push_back(chain + " -> <" + include.name + ">");
            }
        } else if (fs::exists(kSourceDir / include.name)) {
            FindWindowsHeaders(fs::canonical(kSourceDir / include.name), chain + " -> " + include.name, seen, found);
        }
    }
}

TEST(LayerRules, NoCoreFileReachesAWindowsHeader) {
    std::size_t checked = 0;
    for (const fs::path& file : SourceFiles()) {
        const std::string relative = fs::relative(file, kSourceDir).generic_string();
        if (FirstFolder(relative) != "core") {
            continue;
        }
        ++checked;
        std::set<fs::path> seen;
        std::vector<std::string> found;
        FindWindowsHeaders(fs::canonical(file), relative, seen, found);
        for (const std::string& chain : found) {
            ADD_FAILURE() << chain;
        }
    }
    EXPECT_GE(checked, 30u);
}

// The check itself must see a Windows header behind a project header.
TEST(LayerRules, TheCheckFindsAWindowsHeaderBehindAProjectHeader) {
    std::set<fs::path> seen;
    std::vector<std::string> found;
    FindWindowsHeaders(fs::canonical(kSourceDir / "win32/window_region.h"), "win32/window_region.h", seen, found);
    ASSERT_FALSE(found.empty());
    EXPECT_EQ(found.front(), "win32/window_region.h -> win32/win_handles.h -> <windows.h>");
}

}  // namespace
