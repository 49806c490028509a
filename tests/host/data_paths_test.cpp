#include "core/layout/data_paths.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Only a drive root already ends in a separator; other three-character folders need one like any folder.
TEST(AppPathSep, EmptyOnlyForADriveRoot) {
    EXPECT_EQ(pixlin::AppPathSep(L"C:\\"), L"");
    EXPECT_EQ(pixlin::AppPathSep(L"d:/"), L"");
    EXPECT_EQ(pixlin::AppPathSep(L"\\ab"), L"\\");
    EXPECT_EQ(pixlin::AppPathSep(L"abc"), L"\\");
    EXPECT_EQ(pixlin::AppPathSep(L"C:x"), L"\\");
    EXPECT_EQ(pixlin::AppPathSep(L"C:\\X"), L"\\");
    EXPECT_EQ(pixlin::AppPathSep(L"C:\\Tools"), L"\\");
    EXPECT_EQ(pixlin::AppPathSep(L"\\\\server\\share"), L"\\");
}

// From the module file name the platform reports to the data file the program opens: one backslash, never two.
TEST(DataFilePath, JoinsProgramDirectoryAndFileName) {
    const struct {
        const wchar_t* module;
        const wchar_t* directory;
        const wchar_t* dataFile;
    } rows[] = {
        {L"C:\\Tools\\pixlin.exe", L"C:\\Tools", L"C:\\Tools\\pixlin.dat0"},
        {L"C:\\pixlin.exe", L"C:\\", L"C:\\pixlin.dat0"},
        {L"D:\\A\\B C\\pixlin.exe", L"D:\\A\\B C", L"D:\\A\\B C\\pixlin.dat0"},
        {L"\\\\server\\share\\pixlin.exe", L"\\\\server\\share", L"\\\\server\\share\\pixlin.dat0"},
        {L"\\\\?\\C:\\pixlin.exe", L"\\\\?\\C:", L"\\\\?\\C:\\pixlin.dat0"},
        {L"\\\\?\\C:\\Tools\\pixlin.exe", L"\\\\?\\C:\\Tools", L"\\\\?\\C:\\Tools\\pixlin.dat0"},
        {L"\\\\?\\UNC\\server\\share\\pixlin.exe", L"\\\\?\\UNC\\server\\share",
         L"\\\\?\\UNC\\server\\share\\pixlin.dat0"},
        {L"pixlin.exe", L".", L".\\pixlin.dat0"},
    };
    for (const auto& row : rows) {
        const std::wstring directory = pixlin::ProgramDirectory(row.module);
        EXPECT_EQ(directory, row.directory);
        EXPECT_EQ(pixlin::DataFilePath(directory, L"pixlin.dat0"), row.dataFile);
    }
}

}  // namespace
