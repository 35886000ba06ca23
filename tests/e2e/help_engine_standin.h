#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace tarvek::e2e {

// Stands in for the system's help engine. The system's WinHelpA looks for a
// top-level window of class "MS_WINHELP" and hands it each request with
// WM_COPYDATA; it starts the real engine only when no such window exists.
// While this object lives, the program's real WinHelpA call reaches this
// window instead, which records the request and answers with `accept`: TRUE
// as a running engine does, FALSE as one that cannot serve the request.
class HelpEngineStandIn {
public:
    struct Request {
        UINT command = 0;
        DWORD data = 0;
        std::string helpFile;
    };

    explicit HelpEngineStandIn(bool accept);
    ~HelpEngineStandIn();
    HelpEngineStandIn(const HelpEngineStandIn&) = delete;
    HelpEngineStandIn& operator=(const HelpEngineStandIn&) = delete;

    bool Ready() const { return window_ != nullptr; }
    const std::vector<Request>& Requests() const { return requests_; }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    bool accept_;
    std::vector<Request> requests_;
};

}  // namespace tarvek::e2e
