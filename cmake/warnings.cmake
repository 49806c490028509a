# Every target of ours builds with the same strict warnings.
add_library(pixlin_warnings INTERFACE)
target_compile_options(pixlin_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wconversion -Wshadow -Werror
    # The colour rules fix where values are rounded to single precision; a fused
    # multiply-add would skip one of those roundings.
    -ffp-contract=off)
