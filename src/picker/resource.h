#pragma once

// Resource identifiers shared by pixlin.rc and the code.

#define IDI_PIXLIN 1
#define IDB_DEFAULT_SKIN 101
#define IDR_THEMED_DIALOGS 102
