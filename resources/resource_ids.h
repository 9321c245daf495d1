// Resource identifiers of the two programs (shared by the .rc files and the code).
#pragma once

#define IDI_APP 1
#define IDI_TRAY 2
