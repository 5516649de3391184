// The library entry: the application object's InitInstance at load and ExitInstance at unload.
#include <windows.h>

#include "plugin/plugin_app.h"

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    try {
        if (reason == DLL_PROCESS_ATTACH)
            return theApp().InitInstance() ? TRUE : FALSE;
        if (reason == DLL_PROCESS_DETACH)
            theApp().ExitInstance();
    } catch (...) {
        return FALSE;
    }
    return TRUE;
}
