// The real executable started as its own process: start-up failures give one
// error box and no window, closing the main window ends the process, and the
// exit code is 0 either way.
#include "tests/support/WindowTest.h"

#include <gtest/gtest.h>

#if TRAMVELT_HAS_WINDOWS
#include <tlhelp32.h>

#include <chrono>
#include <cwchar>
#include <memory>
#include <string>

namespace {

using namespace testing_support;

// Unix paths of the build reach Wine programs through drive Z:.
std::string WindowsPath(std::string path) {
    for (char& c : path)
        if (c == '/') c = '\\';
    return "Z:" + path;
}

// Whether the process has loaded the DLL of that file name.
bool HasModule(DWORD process, const wchar_t* name) {
    HANDLE raw = ::CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, process);
    if (raw == INVALID_HANDLE_VALUE) {
        ADD_FAILURE() << "no module list of process " << process;
        return false;
    }
    std::unique_ptr<void, decltype(&::CloseHandle)> snapshot(raw, &::CloseHandle);
    MODULEENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = ::Module32FirstW(snapshot.get(), &entry); more;
         more = ::Module32NextW(snapshot.get(), &entry))
        if (_wcsicmp(entry.szModule, name) == 0) return true;
    return false;
}

struct ProcessRun {
    DWORD exitCode = 1;
    bool exited = false;
    bool mainWindowShown = false;
    std::vector<MessageBoxInfo> boxes;
};

struct WindowSearch {
    DWORD process;
    HWND found = nullptr;
};

BOOL CALLBACK FindVisibleWindow(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<WindowSearch*>(data);
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    char className[64] = {};
    ::GetClassNameA(window, className, sizeof className);
    if (process == search->process && ::IsWindowVisible(window) &&
        std::string(className) == "TramveltWindow") {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// Starts exe; `whenShown` runs once its main window is visible.
ProcessRun Start(const std::string& exe, const std::function<void(HWND)>& whenShown = nullptr,
          int timeoutMs = 20000) {
    ProcessRun run;
    MessageBoxWatcher watcher("Tramvelt");
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::string command = "\"" + WindowsPath(exe) + "\"";
    if (!::CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &info)) {
        ADD_FAILURE() << "cannot start " << exe;
        return run;
    }
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    bool handled = false;
    while (std::chrono::steady_clock::now() < end) {
        if (::WaitForSingleObject(info.hProcess, 50) == WAIT_OBJECT_0) {
            run.exited = true;
            break;
        }
        WindowSearch search{info.dwProcessId};
        ::EnumWindows(FindVisibleWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found) {
            run.mainWindowShown = true;
            if (whenShown && !handled) {
                handled = true;
                whenShown(search.found);
            }
        }
    }
    if (!run.exited) ::TerminateProcess(info.hProcess, 99);
    ::WaitForSingleObject(info.hProcess, 5000);
    ::GetExitCodeProcess(info.hProcess, &run.exitCode);
    ::CloseHandle(info.hThread);
    ::CloseHandle(info.hProcess);
    run.boxes = watcher.Boxes();
    return run;
}

TEST(Startup, BrokenMainWindowGivesOneBoxNoWindowAndExitCodeZero) {
    ProcessRun run = Start(TRAMVELT_BROKEN_MAIN_EXE);
    EXPECT_TRUE(run.exited);
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_FALSE(run.mainWindowShown);
    ASSERT_EQ(run.boxes.size(), 1u);
    EXPECT_EQ(run.boxes[0].caption, "Tramvelt") << "the title is set before the windows";
    EXPECT_EQ(run.boxes[0].text, "MainForm.desc(7:3): unknown property 'Transparency' of TForm1 'Form1'.");
    EXPECT_TRUE(run.boxes[0].stopIcon);
}

TEST(Startup, BrokenInfoWindowGivesOneBoxNoWindowAndExitCodeZero) {
    ProcessRun run = Start(TRAMVELT_BROKEN_INFO_EXE);
    EXPECT_TRUE(run.exited);
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_FALSE(run.mainWindowShown) << "the main window exists but is never shown";
    ASSERT_EQ(run.boxes.size(), 1u);
    EXPECT_EQ(run.boxes[0].text,
              "InfoForm.desc(29:15): property 'Picture' of TImage 'Image1': Resource Missing.bmp "
              "not found.");
}

TEST(Startup, CommonControlsAndShellAreLoadedOnlyWhenFirstNeeded) {
    // The pointer rests away from where the window appears.
    ::SetCursorPos(::GetSystemMetrics(SM_CXSCREEN) - 1, ::GetSystemMetrics(SM_CYSCREEN) - 1);
    bool checked = false;
    ProcessRun run = Start(TRAMVELT_EXE, [&](HWND window) {
        DWORD process = 0;
        ::GetWindowThreadProcessId(window, &process);
        DWORD_PTR result = 0;
        ASSERT_TRUE(::SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result))
            << "back at its message loop";
        EXPECT_TRUE(HasModule(process, L"user32.dll")) << "the module list is read";
        EXPECT_FALSE(HasModule(process, L"comctl32.dll"));
        EXPECT_FALSE(HasModule(process, L"shell32.dll"));
        RECT r;
        ::GetWindowRect(window, &r);
        MoveMouse(POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
        EXPECT_TRUE(PumpUntil([&] { return HasModule(process, L"comctl32.dll"); }))
            << "the tooltips come with the first mouse move over the window";
        checked = true;
        ::PostMessageA(window, WM_CLOSE, 0, 0);
    });
    EXPECT_TRUE(checked);
    EXPECT_TRUE(run.exited);
    EXPECT_EQ(run.exitCode, 0u);
}

TEST(Startup, ClosingTheMainWindowEndsTheProcessWithExitCodeZero) {
    ProcessRun run = Start(TRAMVELT_EXE, [](HWND window) { ::PostMessageA(window, WM_CLOSE, 0, 0); });
    EXPECT_TRUE(run.mainWindowShown);
    EXPECT_TRUE(run.exited);
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_TRUE(run.boxes.empty());
}

}  // namespace
#endif
