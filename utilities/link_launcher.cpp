// Link targets: printed files and shell launches on a worker thread.
#include "utilities/link_launcher.h"

#include "platform/base/text.h"
#include "platform/registry/registry_api.h"
#include "platform/shell/shell_api.h"
#include "platform/window/window_constants.h"
#include "utilities/printer_info.h"
#include "utilities/raw_job.h"

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace kx {
namespace {

constexpr std::u16string_view kPrintScheme = u"print://";
constexpr std::u16string_view kBrowserKey = u"Applications\\iexplore.exe\\shell\\open\\command";

// Launches still running, so the module can wait for them before it goes.
// Their threads are joined, not detached: a thread that has said it is done
// still runs the module's code on its way out, and the module must not be
// unmapped under it.
struct RunningLaunches {
    std::mutex mutex;
    std::condition_variable finished;
    int count = 0;
    std::vector<std::thread> threads;
};

// Never destroyed at process exit, where a launcher may still be running;
// freed when the module is unloaded and no launcher runs.
RunningLaunches*& RunningSlot() {
    static RunningLaunches* running = new RunningLaunches;
    return running;
}

RunningLaunches& Running() {
    RunningLaunches*& running = RunningSlot();
    if (running == nullptr)
        running = new RunningLaunches;
    return *running;
}

void LaunchStarted() {
    std::lock_guard lock(Running().mutex);
    ++Running().count;
}

void LaunchEnded() {
    RunningLaunches& running = Running();
    std::lock_guard lock(running.mutex);
    --running.count;
    running.finished.notify_all();
}

bool IsSeparator(char16_t c) {
    return c == u'\\' || c == u'/';
}

// A path segment Windows may read as "up" or "here": empty, or only dots
// and blanks (trailing dots and blanks are dropped from names, so ". ." and
// "... " are such segments too).
bool IsDotSegment(std::u16string_view segment) {
    return segment.find_first_not_of(u". ") == std::u16string_view::npos;
}

std::u16string Terminated(const std::array<WCHAR, kLaunchBufferLength>& buffer) {
    return TextFromField(buffer.data(), buffer.size());
}

void ShellOpen(HWND owner, const std::u16string& file, const std::u16string& parameters) {
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_FLAG_DDEWAIT;
    info.hwnd = owner;
    info.lpVerb = u"open";
    info.lpFile = file.c_str();
    info.lpParameters = parameters.empty() ? nullptr : parameters.c_str();
    info.nShow = SW_SHOWNORMAL;
    ShellExecuteExW(&info);
}

// The driver's and the printer's names in quotation marks, for a program of
// the model that works on this printer.
std::u16string ProgramArguments(std::u16string_view printerName) {
    const auto printer = ReadPrinterPort(printerName);
    if (!printer)
        return {};
    const std::u16string text = u"\"" + printer->driver + u"\" \"" + printer->printer + u"\"";
    return text.substr(0, kLaunchBufferLength - 1);
}

// Joins the threads of launches that have all ended; they are past their
// work and end at once.
void JoinEndedLaunches() {
    std::vector<std::thread> ended;
    {
        RunningLaunches& running = Running();
        std::lock_guard lock(running.mutex);
        if (running.count != 0)
            return;
        ended.swap(running.threads);
    }
    for (std::thread& thread : ended)
        thread.join();
}

void RunOnWorker(std::unique_ptr<LaunchRequest> request) {
    JoinEndedLaunches();
    LaunchStarted();
    LaunchRequest* handed = request.get();
    try {
        RunningLaunches& running = Running();
        std::lock_guard lock(running.mutex);
        running.threads.emplace_back([handed] {
            std::unique_ptr<LaunchRequest> owned(handed);
            RunLaunch(*owned);
            owned.reset();
            LaunchEnded();
        });
        static_cast<void>(request.release());
        return;
    } catch (const std::system_error&) {
        // No thread to be had: the launch runs here instead.
    }
    RunLaunch(*request);
    LaunchEnded();
}

} // namespace

std::optional<std::u16string> PrintLinkFile(std::u16string_view moduleDirectory,
                                            std::u16string_view rest) {
    if (rest.empty() || IsSeparator(rest.front()) || rest.find(u':') != std::u16string_view::npos)
        return std::nullopt;
    std::u16string relative;
    size_t start = 0;
    while (start <= rest.size()) {
        size_t end = start;
        while (end < rest.size() && !IsSeparator(rest[end]))
            ++end;
        const std::u16string_view segment = rest.substr(start, end - start);
        if (IsDotSegment(segment))
            return std::nullopt;
        if (!relative.empty())
            relative += u'\\';
        relative += segment;
        start = end + 1;
    }
    return std::u16string(moduleDirectory) + relative;
}

bool IsProgramTarget(std::u16string_view target) {
    if (target.find(u"://") != std::u16string_view::npos)
        return false;
    const size_t separator = target.find_last_of(u"\\/");
    const std::u16string_view name =
        separator == std::u16string_view::npos ? target : target.substr(separator + 1);
    constexpr std::u16string_view kProgram = u".exe";
    if (name.size() < kProgram.size())
        return false;
    const std::u16string_view end = name.substr(name.size() - kProgram.size());
    for (size_t i = 0; i < kProgram.size(); ++i) {
        const char16_t c = end[i] >= u'A' && end[i] <= u'Z' ? end[i] + (u'a' - u'A') : end[i];
        if (c != kProgram[i])
            return false;
    }
    return true;
}

std::optional<std::u16string> ProgramLinkFile(std::u16string_view modelStem,
                                              std::u16string_view target) {
    if (!IsProgramTarget(target))
        return std::nullopt;
    return PrintLinkFile(modelStem, target);
}

std::u16string BrowserCommand() {
    HKEY key = nullptr;
    const std::u16string path(kBrowserKey);
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return {};
    std::array<WCHAR, kLaunchBufferLength> buffer{};
    DWORD size = sizeof(WCHAR) * (kLaunchBufferLength - 1);
    DWORD type = 0;
    const LSTATUS status = RegQueryValueExW(key, nullptr, nullptr, &type,
                                            reinterpret_cast<LPBYTE>(buffer.data()), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ))
        return {};
    std::u16string command = TextFromField(buffer.data(), buffer.size());
    if (const size_t argument = command.find(u" %1"); argument != std::u16string::npos)
        command.erase(argument);
    // The shell takes the program's path, not a command line.
    if (command.size() >= 2 && command.front() == u'"' && command.back() == u'"')
        command = command.substr(1, command.size() - 2);
    return command;
}

void OpenLinkTarget(HWND owner, std::u16string_view printerName, std::u16string_view target,
                    const LinkFolders& folders) {
    if (target.starts_with(kPrintScheme)) {
        if (const auto file =
                PrintLinkFile(folders.moduleDirectory, target.substr(kPrintScheme.size())))
            static_cast<void>(SendFile(printerName, *file, u"Test Page"));
        return;
    }
    auto request = std::make_unique<LaunchRequest>();
    request->owner = owner;
    request->printerName = std::u16string(printerName);
    request->modelStem = folders.modelStem;
    CopyText(request->target.data(), request->target.size(), target);
    CopyText(request->browserCommand.data(), request->browserCommand.size(), BrowserCommand());
    RunOnWorker(std::move(request));
}

void RunLaunch(const LaunchRequest& request) {
    const std::u16string target = Terminated(request.target);
    if (IsProgramTarget(target)) {
        // A program that climbs out of the model's folder is not run.
        if (const auto program = ProgramLinkFile(request.modelStem, target))
            ShellOpen(request.owner, program->substr(0, kLaunchBufferLength - 1),
                      ProgramArguments(request.printerName));
        return;
    }
    const std::u16string browser = Terminated(request.browserCommand);
    if (!browser.empty())
        ShellOpen(request.owner, browser, target);
    else
        ShellOpen(request.owner, target, {});
}

bool WaitForLinkLaunches(unsigned milliseconds) {
    {
        RunningLaunches& running = Running();
        std::unique_lock lock(running.mutex);
        if (!running.finished.wait_for(lock, std::chrono::milliseconds(milliseconds),
                                       [&running] { return running.count == 0; }))
            return false;
    }
    JoinEndedLaunches();
    return true;
}

void ForgetLinkLaunches() {
    delete RunningSlot();
    RunningSlot() = nullptr;
}

} // namespace kx
