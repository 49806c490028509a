#!/usr/bin/env bash
# Runs a Windows test program under Wine: the in-process tests' emulator, for discovery and for every test.
#
# Debian's wine64 has no preloader and sits at a fixed address (0x7d000000), and this kernel puts its brk heap at a
# random place up to 1 GiB above it. About one start in 2,000 the heap covers 0x7ffe0000, where Wine must map the
# shared user data page: the process ends within 20 ms with status 1 ("err:virtual:virtual_alloc_first_teb wine:
# failed to map the shared user data: c0000018", a line WINEDEBUG=-all hides), and the test fails with no output.
# Without address randomization the heap starts right after wine64, 45 MB below that page, every time.
exec setarch "$(uname -m)" --addr-no-randomize wine "$@"
