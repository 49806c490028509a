# GoogleTest for the test executables: an installed package where CMake finds one (the Linux host, MSYS2's
# mingw-w64-x86_64-gtest, vcpkg), else built from a source folder (Debian's googletest package for the cross
# build). Either way the tests link GTest::gtest_main.
find_package(GTest QUIET)
if(GTest_FOUND)
    return()
endif()

set(PIXLIN_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest source folder, used when no installed GTest is found")
if(NOT EXISTS "${PIXLIN_GOOGLETEST_SOURCE}/CMakeLists.txt")
    message(FATAL_ERROR
        "PIXLIN_TESTS is ON but GoogleTest was not found: neither an installed package (find_package(GTest)) "
        "nor sources in PIXLIN_GOOGLETEST_SOURCE='${PIXLIN_GOOGLETEST_SOURCE}'. Install GoogleTest, point "
        "PIXLIN_GOOGLETEST_SOURCE at a googletest source tree, or configure with -DPIXLIN_TESTS=OFF to build "
        "only the program.")
endif()
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory("${PIXLIN_GOOGLETEST_SOURCE}" "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL)
