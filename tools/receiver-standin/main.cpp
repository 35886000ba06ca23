// receiver-standin: a window that stands in for the receiver control
// program. It accepts TARVEK's WM_COPYDATA requests and shows and logs each
// one decoded, so that tests, the demo and receiver authors see exactly what
// was sent.

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "request_description.h"
#include "standin_options.h"

namespace {

constexpr char kWindowClass[] = "TarvekReceiverStandIn";
constexpr int kShownRequests = 200;

// Values of the message filter functions, which older headers lack.
constexpr DWORD kMsgFltAllow = 1;  // ChangeWindowMessageFilterEx
constexpr DWORD kMsgFltAdd = 1;    // ChangeWindowMessageFilter

template <typename Function>
Function LookUp(const char* name)
{
    const FARPROC found = GetProcAddress(GetModuleHandleA("user32.dll"), name);
    // void (*)() converts to and from any function pointer type without a warning.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

// A receiver that runs with higher rights than TARVEK must let WM_COPYDATA
// in, or the system drops it. Looked up at run time: the functions are
// missing before Windows 7 (the window form) and Vista (the process form),
// and there is no filter to open there anyway.
void LetCopyDataThrough(HWND window)
{
    using WindowFilter = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);
    using ProcessFilter = BOOL(WINAPI*)(UINT, DWORD);
    if (const auto filter = LookUp<WindowFilter>("ChangeWindowMessageFilterEx"))
        filter(window, WM_COPYDATA, kMsgFltAllow, nullptr);
    else if (const auto filter = LookUp<ProcessFilter>("ChangeWindowMessageFilter"))
        filter(WM_COPYDATA, kMsgFltAdd);
}

// The arguments after the program name, in the ANSI code page (window
// titles are compared as ANSI text).
std::vector<std::string> CommandLineArguments()
{
    std::vector<std::string> args;
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!wide)
        return args;
    for (int i = 1; i < count; ++i) {
        const int size = WideCharToMultiByte(CP_ACP, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
        std::string arg(size > 0 ? size : 1, '\0');
        if (size > 0)
            WideCharToMultiByte(CP_ACP, 0, wide[i], -1, arg.data(), size, nullptr, nullptr);
        arg.resize(arg.size() - 1);  // the terminating zero
        args.push_back(std::move(arg));
    }
    LocalFree(wide);
    return args;
}

class StandInWindow {
public:
    StandInWindow(const tarvek::StandInOptions& options, std::FILE* log) : options_(options), log_(log) {}

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_NCCREATE) {
            const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
            SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        }
        auto* self = reinterpret_cast<StandInWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        return self ? self->Handle(window, message, wParam, lParam)
                    : DefWindowProcA(window, message, wParam, lParam);
    }

private:
    LRESULT Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        switch (message) {
        case WM_CREATE:
            list_ = CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", nullptr,
                                    WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL |
                                        LBS_NOINTEGRALHEIGHT | LBS_NOSEL,
                                    0, 0, 0, 0, window, nullptr, GetModuleHandleA(nullptr), nullptr);
            SendMessageA(list_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(ANSI_FIXED_FONT)), FALSE);
            SendMessageA(list_, LB_SETHORIZONTALEXTENT, 4096, 0);
            LetCopyDataThrough(window);
            Show(WelcomeLine());
            return 0;
        case WM_SIZE:
            MoveWindow(list_, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
            return 0;
        case WM_COPYDATA:
            return OnCopyData(window, reinterpret_cast<HWND>(wParam),
                              reinterpret_cast<const COPYDATASTRUCT*>(lParam));
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
        }
    }

    LRESULT OnCopyData(HWND window, HWND sender, const COPYDATASTRUCT* data)
    {
        tarvek::ReceivedRequest request;
        request.sender = reinterpret_cast<std::uintptr_t>(sender);
        if (data) {
            request.code = data->dwData;
            request.size = data->cbData;
            request.bytes = static_cast<const std::uint8_t*>(data->lpData);
        }
        const std::string line = tarvek::DescribeRequest(request);
        ++received_;
        if (log_) {
            std::fprintf(log_, "%s\n", line.c_str());
            std::fflush(log_);
        }
        std::string shown = "#";
        shown.append(std::to_string(received_)).append(" ").append(line);
        Show(shown);

        if (options_.dieInHandler)
            ExitProcess(3);
        if (options_.hang) {
            for (;;)
                Sleep(INFINITE);
        }
        if (options_.delayMs)
            Sleep(options_.delayMs);
        if (options_.exitAfter && received_ >= options_.exitAfter)
            PostMessageA(window, WM_CLOSE, 0, 0);
        return TRUE;
    }

    std::string WelcomeLine() const
    {
        std::string line = "waiting for requests; logging ";
        line.append(options_.logFile ? "to " : "nowhere (no --log)");
        if (options_.logFile)
            line.append(*options_.logFile);
        return line;
    }

    void Show(const std::string& line)
    {
        if (SendMessageA(list_, LB_GETCOUNT, 0, 0) >= kShownRequests)
            SendMessageA(list_, LB_DELETESTRING, 0, 0);
        const LRESULT index = SendMessageA(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
        if (index >= 0)
            SendMessageA(list_, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
    }

    const tarvek::StandInOptions& options_;
    std::FILE* log_;
    HWND list_ = nullptr;
    unsigned received_ = 0;
};

int Complain(const std::string& text)
{
    MessageBoxA(nullptr, text.c_str(), "receiver-standin", MB_OK | MB_ICONEXCLAMATION);
    return 2;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show)
{
    const tarvek::StandInCommandLine commandLine = tarvek::ReadStandInCommandLine(CommandLineArguments());
    if (!commandLine.error.empty())
        return Complain(commandLine.error + "\n\n" + tarvek::kStandInUsage);
    const tarvek::StandInOptions& options = commandLine.options;
    if (options.help) {
        MessageBoxA(nullptr, tarvek::kStandInUsage, "receiver-standin", MB_OK | MB_ICONINFORMATION);
        return 0;
    }

    std::FILE* log = nullptr;
    if (options.logFile && !(log = std::fopen(options.logFile->c_str(), "ab")))
        return Complain("cannot open the log file " + *options.logFile);

    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = StandInWindow::Procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kWindowClass;
    RegisterClassA(&windowClass);

    StandInWindow standIn(options, log);
    const HWND window = CreateWindowExA(0, kWindowClass, options.WindowTitle().c_str(), WS_OVERLAPPEDWINDOW,
                                        CW_USEDEFAULT, CW_USEDEFAULT, 760, 320, nullptr, nullptr, instance,
                                        &standIn);
    if (!window)
        return Complain("cannot create the window");
    ShowWindow(window, show);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    if (log)
        std::fclose(log);
    return 0;
}
