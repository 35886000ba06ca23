#include "tarvek_app.h"

#include "settings_format.h"
#include "tune_link_dlg.h"

namespace tarvek {
namespace {

constexpr const char* kSection = "QERN";
constexpr const char* kTuningModeKey = "TuningMode";
constexpr const char* kProgramNameKey = "ApplicationName";
constexpr const char* kWindowPosKey = "WindowPos";

constexpr AppCommandEntry kCommandMap[] = {
    AppCommand<ID_HELP, &CWinApp::OnHelp>,
};

}  // namespace

// The default receiver program name is constructed before the application
// object and outlives it.
const std::string kDefaultProgramName = "ORMELIN";
CTuneLinkApp theApp;

std::span<const AppCommandEntry> CTuneLinkApp::GetCommandMap() const
{
    return kCommandMap;
}

BOOL CTuneLinkApp::InitInstance()
{
    CTuneLinkDlg dlg;
    Enable3dControlsStatic();
    LoadSettings();

    dlg.m_nTuningMode = m_nTuningMode;
    m_pMainWnd = &dlg;
    dlg.m_strProgramName = m_strProgramName;

    dlg.DoModal();

    m_nTuningMode = dlg.m_nTuningMode;
    m_strProgramName = dlg.m_strProgramName;
    SaveSettings();

    m_pMainWnd = nullptr;
    return FALSE;
}

void CTuneLinkApp::LoadSettings()
{
    m_nTuningMode = NormaliseTuningMode(static_cast<int>(GetProfileInt(kSection, kTuningModeKey, 0)));
    m_strProgramName = GetProfileString(kSection, kProgramNameKey, kDefaultProgramName.c_str());
    m_wndPlacement = ScanWindowPos(GetProfileString(kSection, kWindowPosKey, ""));
}

void CTuneLinkApp::SaveSettings()
{
    WriteProfileString(kSection, kTuningModeKey, std::to_string(m_nTuningMode));
    WriteProfileString(kSection, kProgramNameKey, m_strProgramName);
    WriteProfileString(kSection, kWindowPosKey, FormatWindowPos(m_wndPlacement));
}

}  // namespace tarvek
