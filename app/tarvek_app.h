#pragma once

#include <string>

#include "win_app.h"
#include "window_placement.h"

namespace tarvek {

// The program's application object: runs the main dialog for the whole life
// of the program and owns the settings meanwhile.
class CTuneLinkApp : public CWinApp {
public:
    BOOL InitInstance() override;

    void LoadSettings();
    void SaveSettings();

    WindowPlacement m_wndPlacement;
    int m_nTuningMode = 0;
    std::string m_strProgramName;

protected:
    std::span<const AppCommandEntry> GetCommandMap() const override;
};

extern CTuneLinkApp theApp;

}  // namespace tarvek
