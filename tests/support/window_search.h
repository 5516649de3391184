// Finding the plug-in's windows from a test thread while another thread runs them.
#pragma once

#include <windows.h>

// A visible top-level window of this process with the given class (and caption, when given),
// waiting up to two seconds; nullptr when none shows up.
HWND wait_for_window(const char* class_name, const char* caption = nullptr);
