#pragma once
// The one way ui/ brings in the Win32 headers.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
