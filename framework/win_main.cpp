#include <windows.h>

#include "win_app.h"

// The program's entry point belongs to the framework: the program supplies
// only its global application object.
int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int)
{
    tarvek::CWinApp* app = tarvek::CWinApp::Current();
    if (!app) {
        return 1;
    }
    try {
        return app->Run(hInstance);
    } catch (...) {
        return 1;
    }
}
