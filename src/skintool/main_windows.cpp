#include <windows.h>

#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

#include "skintool/run.h"

// Arguments arrive as UTF-16 and go on as UTF-8, which the console then shows as it is.
int wmain(int argc, wchar_t** argv) {
    SetConsoleOutputCP(CP_UTF8);
    std::vector<std::string> arguments;
    try {
        for (int i = 1; i < argc; ++i) {
            const std::u8string utf8 = std::filesystem::path(argv[i]).u8string();
            arguments.emplace_back(utf8.begin(), utf8.end());
        }
    } catch (const std::exception&) {
        std::fputs("pixlin-skin: an argument is not valid UTF-16 (a lone surrogate)\n", stderr);
        return 3;
    }
    return pixlin::skintool::Run(arguments);
}
