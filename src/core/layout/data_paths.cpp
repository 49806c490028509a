#include "core/layout/data_paths.h"

namespace pixlin {

std::wstring AppPathSep(std::wstring_view programDir) {
    const bool driveRoot =
        programDir.size() == 3 && programDir[1] == L':' && (programDir[2] == L'\\' || programDir[2] == L'/');
    return driveRoot ? std::wstring() : std::wstring(L"\\");
}

std::wstring DataFilePath(std::wstring_view programDir, std::wstring_view fileName) {
    std::wstring path(programDir);
    path += AppPathSep(programDir);
    path += fileName;
    return path;
}

std::wstring ProgramDirectory(std::wstring_view moduleFileName) {
    const auto lastSeparator = moduleFileName.find_last_of(L"\\/");
    if (lastSeparator == std::wstring_view::npos) {
        return L".";
    }
    const std::wstring_view directory = moduleFileName.substr(0, lastSeparator);
    // Only the plain drive root keeps its backslash: it is what makes AppPathSep empty. Any other root, such as
    // "\\?\C:" or "\\server\share", stays without one so that DataFilePath adds exactly one.
    if (directory.size() == 2 && directory[1] == L':') {
        return std::wstring(moduleFileName.substr(0, lastSeparator + 1));
    }
    return std::wstring(directory);
}

}  // namespace pixlin
