# What every target of ours compiles with, for GCC and Clang (MinGW and the Linux host) and for MSVC.
add_library(pixlin_compiler_options INTERFACE)
if(MSVC)
    target_compile_options(pixlin_compiler_options INTERFACE
        /W4 /permissive-
        # The sources are UTF-8 (the colour names hold umlauts); without it MSVC reads them in the system code page.
        /utf-8
        # The colour rules fix where values are rounded to single precision; a contracted multiply-add would skip
        # one of those roundings.
        /fp:precise
        $<$<BOOL:${PIXLIN_WERROR}>:/WX>)
else()
    target_compile_options(pixlin_compiler_options INTERFACE
        -Wall -Wextra -Wpedantic -Wconversion -Wshadow
        -ffp-contract=off
        $<$<BOOL:${PIXLIN_WERROR}>:-Werror>)
endif()
