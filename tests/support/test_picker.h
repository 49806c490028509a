#pragma once

// The picker as the tests start it.

#include "picker/form1.h"

#include <windows.h>

#include <memory>

namespace pixlin::testing {

// A picker whose timer runs only when asked: otherwise only the test's own ticks sample. Null window when
// start-up ended the program. Unless the test says where, it keeps no colours, whatever the user running the tests has
// set: its copies never reach the user's own kept colours.
inline std::unique_ptr<Form1> StartPicker(Form1Args args, bool sampling = false) {
    if (!args.keepingPlace) {
        args.keepingPlace = KeepingPlace{L"", L"Software\\PixlinTests\\never kept"};
    }
    // A picker the test ended before left its WM_QUIT for a message loop that never ran: a message box of this one
    // would take it and close at once, before anyone could read or answer it.
    MSG quit;
    PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    auto form = std::make_unique<Form1>(std::move(args));
    if (form->hwnd() != nullptr) {
        form->Timer1().SetEnabled(sampling);
    }
    return form;
}

}  // namespace pixlin::testing
