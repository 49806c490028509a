#include <windows.h>

#include "picker/form1.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // Before anything loads a DLL on demand: a DLL of the same name planted in the program's folder is never taken.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    pixlin::Form1 form;
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (form.PreviewKey(message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
