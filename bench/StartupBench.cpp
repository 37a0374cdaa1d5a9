// Times start-up from outside: from CreateProcess to the main window being on
// the screen and painted, for the real program and for a bare Win32 program
// with one empty window (BareWindow.exe), measured the same way. After one
// warm-up run of each, the two alternate (the order flips every repetition);
// the medians and their ratio are printed.
//
// A window counts as painted when all of this holds, in this order:
//   1. a visible top-level window of the expected class belongs to the process;
//   2. WaitForInputIdle on the process returns (it went idle in a message wait);
//   3. a WM_NULL sent to the window is answered (its thread is back at its
//      message loop after showing the window);
//   4. neither the window nor a visible child of it has an update region left
//      (polled if needed; such runs are counted as "late").
// The time is taken when 3 holds, or in late runs when 4 does. The window then
// gets WM_CLOSE and the process must exit with code 0. The mouse pointer is
// moved to the bottom-right corner of the screen first, away from both windows.
//
// Usage: startup_bench [--reps N] [--program EXE] [--bare EXE]
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr double kTarget = 1.3;
constexpr DWORD kTimeoutMs = 30000;

// Unix paths of the build reach Wine programs through drive Z:.
std::string WindowsPath(std::string path) {
    if (path.empty() || path[0] != '/') return path;
    for (char& c : path)
        if (c == '/') c = '\\';
    return "Z:" + path;
}

std::string BaseName(const std::string& path) {
    std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// --- clock -------------------------------------------------------------------

LARGE_INTEGER Now() {
    LARGE_INTEGER t;
    ::QueryPerformanceCounter(&t);
    return t;
}

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    static const double frequency = [] {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    return static_cast<double>(to.QuadPart - from.QuadPart) * 1000.0 / frequency;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// --- windows of another process ----------------------------------------------

std::string ClassOf(HWND window) {
    char name[128] = {};
    ::GetClassNameA(window, name, sizeof name);
    return name;
}

struct Search {
    DWORD process;
    const std::string* className;
    HWND main = nullptr;
    HWND box = nullptr;  // a message box of the process (start-up error)
};

BOOL CALLBACK FindWindows(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    if (process != search->process || !::IsWindowVisible(window)) return TRUE;
    std::string name = ClassOf(window);
    if (name == *search->className) search->main = window;
    if (name == "#32770") search->box = window;
    return TRUE;
}

BOOL CALLBACK CollectText(HWND child, LPARAM data) {
    auto* text = reinterpret_cast<std::string*>(data);
    if (ClassOf(child) != "Static") return TRUE;
    char buffer[512] = {};
    DWORD_PTR length = 0;
    if (::SendMessageTimeoutA(child, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer),
                              SMTO_ABORTIFHUNG, 1000, &length) &&
        buffer[0])
        *text += (text->empty() ? "" : " ") + std::string(buffer);
    return TRUE;
}

BOOL CALLBACK FindPendingChild(HWND child, LPARAM data) {
    if (::IsWindowVisible(child) && ::GetUpdateRect(child, nullptr, FALSE)) {
        *reinterpret_cast<bool*>(data) = true;
        return FALSE;
    }
    return TRUE;
}

bool UpdatePending(HWND window) {
    if (::GetUpdateRect(window, nullptr, FALSE)) return true;
    bool pending = false;
    ::EnumChildWindows(window, FindPendingChild, reinterpret_cast<LPARAM>(&pending));
    return pending;
}

// --- one run -------------------------------------------------------------------

struct Program {
    std::string label;
    std::string path;       // Windows path
    std::string className;  // class of its main window
};

struct Run {
    double visibleMs = 0;  // CreateProcess to step 1
    double idleMs = 0;     // to steps 2 and 3
    double paintedMs = 0;  // to step 4: the measured time
    bool late = false;     // step 4 needed polling
};

class Process {
public:
    explicit Process(const Program& program) {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        std::string command = "\"" + program.path + "\"";
        if (!::CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                              &startup, &info_))
            throw std::runtime_error("cannot start " + program.path + " (error " +
                                     std::to_string(::GetLastError()) + ")");
    }
    ~Process() {
        if (::WaitForSingleObject(info_.hProcess, 0) != WAIT_OBJECT_0) {
            ::TerminateProcess(info_.hProcess, 99);
            ::WaitForSingleObject(info_.hProcess, 5000);
        }
        ::CloseHandle(info_.hThread);
        ::CloseHandle(info_.hProcess);
    }
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    HANDLE Handle() const { return info_.hProcess; }
    DWORD Id() const { return info_.dwProcessId; }

private:
    PROCESS_INFORMATION info_{};
};

Run MeasureOnce(const Program& program) {
    Run run;
    const LARGE_INTEGER start = Now();
    Process process(program);
    auto remaining = [&] {
        double left = kTimeoutMs - Milliseconds(start, Now());
        return left > 0 ? static_cast<DWORD>(left) : 0;
    };
    auto fail = [&](const std::string& what) {
        return std::runtime_error(program.label + ": " + what);
    };

    // 1. Visible.
    HWND window = nullptr;
    for (;;) {
        Search search{process.Id(), &program.className};
        ::EnumWindows(FindWindows, reinterpret_cast<LPARAM>(&search));
        if (search.main) {
            window = search.main;
            break;
        }
        if (search.box) {
            std::string text;
            ::EnumChildWindows(search.box, CollectText, reinterpret_cast<LPARAM>(&text));
            throw fail("shows an error box instead of its main window: " + text);
        }
        if (::WaitForSingleObject(process.Handle(), 1) == WAIT_OBJECT_0)
            throw fail("exited before showing its main window");
        if (remaining() == 0) throw fail("no visible main window within the time limit");
    }
    run.visibleMs = Milliseconds(start, Now());

    // 2. Idle, 3. back at its message loop.
    DWORD idle = ::WaitForInputIdle(process.Handle(), remaining());
    if (idle != 0)
        throw fail(idle == WAIT_TIMEOUT ? "WaitForInputIdle timed out" : "WaitForInputIdle failed");
    DWORD_PTR result = 0;
    if (!::SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, remaining(), &result))
        throw fail("the main window does not answer messages");
    run.idleMs = Milliseconds(start, Now());

    // 4. Nothing left to paint. Usually so at once, and then the time of the
    // check itself (a call per child window) is not counted.
    run.paintedMs = run.idleMs;
    while (UpdatePending(window)) {
        run.late = true;
        if (remaining() == 0) throw fail("the main window is never painted");
        ::Sleep(1);
        run.paintedMs = Milliseconds(start, Now());
    }

    // Close it and wait for the process to end.
    ::PostMessageA(window, WM_CLOSE, 0, 0);
    if (::WaitForSingleObject(process.Handle(), 10000) != WAIT_OBJECT_0)
        throw fail("does not exit after WM_CLOSE");
    DWORD code = 1;
    ::GetExitCodeProcess(process.Handle(), &code);
    if (code != 0) throw fail("exit code " + std::to_string(code));
    return run;
}

// --- report ----------------------------------------------------------------

struct Series {
    std::vector<Run> runs;

    std::vector<double> Of(double Run::*field) const {
        std::vector<double> values;
        for (const Run& run : runs) values.push_back(run.*field);
        return values;
    }
    double MedianOf(double Run::*field) const { return Median(Of(field)); }
    int Late() const {
        return static_cast<int>(std::count_if(runs.begin(), runs.end(), [](const Run& r) { return r.late; }));
    }
};

void PrintRow(const Program& program, const Series& series) {
    std::vector<double> painted = series.Of(&Run::paintedMs);
    std::printf("%-16s %5zu %11.1f %11.1f %10.1f %8.1f %8.1f %5d\n", program.label.c_str(),
                series.runs.size(), series.MedianOf(&Run::visibleMs),
                series.MedianOf(&Run::idleMs), Median(painted),
                *std::min_element(painted.begin(), painted.end()),
                *std::max_element(painted.begin(), painted.end()), series.Late());
}

}  // namespace

int main(int argc, char** argv) {
    // Plain "\n" line ends on the console under Wine.
    _setmode(_fileno(stdout), _O_BINARY);
    int reps = 15;
    std::string programPath = TRAMVELT_EXE;
    std::string barePath = BARE_WINDOW_EXE;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--reps") == 0 && i + 1 < argc) {
            reps = std::max(1, std::atoi(argv[++i]));
        } else if (std::strcmp(argv[i], "--program") == 0 && i + 1 < argc) {
            programPath = argv[++i];
        } else if (std::strcmp(argv[i], "--bare") == 0 && i + 1 < argc) {
            barePath = argv[++i];
        } else {
            std::fprintf(stderr, "usage: %s [--reps N] [--program EXE] [--bare EXE]\n", argv[0]);
            return 2;
        }
    }
    const Program program{BaseName(programPath), WindowsPath(programPath), "TramveltWindow"};
    const Program bare{BaseName(barePath), WindowsPath(barePath), "TramveltBareWindow"};

    std::printf("startup_bench: median of %d runs each, alternating, after one warm-up each; "
                "times in ms from CreateProcess\n", reps);
    std::printf("visible: a visible top-level window of the process; idle: then WaitForInputIdle "
                "and a WM_NULL answered;\npainted: idle with no update region left on the window "
                "(the measured time); late: runs where painting came after idle\n\n");
    std::fflush(stdout);

    // The pointer rests in a corner, over neither window: no run handles mouse
    // input before going idle.
    ::SetCursorPos(::GetSystemMetrics(SM_CXSCREEN) - 1, ::GetSystemMetrics(SM_CYSCREEN) - 1);

    Series programRuns, bareRuns;
    try {
        MeasureOnce(program);
        MeasureOnce(bare);
        for (int r = 0; r < reps; ++r) {
            if (r % 2 == 0) {
                programRuns.runs.push_back(MeasureOnce(program));
                bareRuns.runs.push_back(MeasureOnce(bare));
            } else {
                bareRuns.runs.push_back(MeasureOnce(bare));
                programRuns.runs.push_back(MeasureOnce(program));
            }
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "startup_bench: %s\n", e.what());
        return 1;
    }

    std::printf("%-16s %5s %11s %11s %10s %8s %8s %5s\n", "program", "runs", "visible_ms",
                "idle_ms", "painted_ms", "min_ms", "max_ms", "late");
    PrintRow(program, programRuns);
    PrintRow(bare, bareRuns);
    double ratio = programRuns.MedianOf(&Run::paintedMs) / bareRuns.MedianOf(&Run::paintedMs);
    std::printf("\nratio %s/%s (painted medians): %.2f  %s\n", program.label.c_str(),
                bare.label.c_str(), ratio,
                ratio <= kTarget ? "within 1.3" : "above 1.3 (target: at most 1.3)");
    // Other load on the machine stretches single runs; the fastest runs show less of it.
    auto fastest = [](const Series& series) {
        std::vector<double> painted = series.Of(&Run::paintedMs);
        return *std::min_element(painted.begin(), painted.end());
    };
    std::printf("ratio of the fastest runs (for comparison): %.2f\n",
                fastest(programRuns) / fastest(bareRuns));
    return 0;
}
