// Starting, waiting for and ending processes; the polling wait the rest builds on.
#include <algorithm>
#include <cctype>
#include <cstring>

#include "tools/ui_driver/ui_driver.h"

namespace ui {
namespace {

constexpr DWORD kPollMs = 10;

// The name of "NAME=value"; the hidden per-drive entries look like "=C:=C:\dir".
std::string VariableName(const std::string& entry) { return entry.substr(0, entry.find('=', 1)); }

std::string Upper(std::string text) {
    for (char& c : text) c = char(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

std::vector<char> EnvironmentBlock(const std::vector<std::string>& additions) {
    std::vector<std::string> entries;
    if (char* current = GetEnvironmentStringsA()) {
        for (const char* entry = current; *entry; entry += std::strlen(entry) + 1) entries.emplace_back(entry);
        FreeEnvironmentStringsA(current);
    }
    for (const std::string& addition : additions) {
        std::string name = Upper(VariableName(addition));
        entries.erase(std::remove_if(entries.begin(), entries.end(),
                                     [&](const std::string& e) { return Upper(VariableName(e)) == name; }),
                      entries.end());
        entries.push_back(addition);
    }
    // Windows keeps the block sorted by name, without regard to case.
    std::stable_sort(entries.begin(), entries.end(), [](const std::string& a, const std::string& b) {
        return Upper(VariableName(a)) < Upper(VariableName(b));
    });
    std::vector<char> block;
    for (const std::string& entry : entries) {
        block.insert(block.end(), entry.begin(), entry.end());
        block.push_back('\0');
    }
    if (entries.empty()) block.push_back('\0');
    block.push_back('\0');
    return block;
}

}  // namespace

std::string PathBesideThisProgram(const std::string& fileName) {
    std::vector<char> path(32768);
    DWORD length = GetModuleFileNameA(nullptr, path.data(), DWORD(path.size()));
    std::string program(path.data(), length < path.size() ? length : 0);
    return program.substr(0, program.find_last_of("\\/") + 1) + fileName;
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start >= timeoutMs) return false;
        Sleep(kPollMs);
    }
    return true;
}

Process::~Process() {
    Terminate();
    Release();
}

Process::Process(Process&& other) noexcept { *this = std::move(other); }

Process& Process::operator=(Process&& other) noexcept {
    if (this != &other) {
        Terminate();
        Release();
        std::swap(handle_, other.handle_);
        std::swap(id_, other.id_);
    }
    return *this;
}

bool Process::Start(const std::string& applicationPath, const std::string& commandLine,
                    const std::string& workingDirectory, const std::vector<std::string>& environmentAdditions) {
    Terminate();
    Release();
    std::vector<char> command(commandLine.begin(), commandLine.end());
    command.push_back('\0');
    std::vector<char> environment;
    if (!environmentAdditions.empty()) environment = EnvironmentBlock(environmentAdditions);

    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION created = {};
    if (!CreateProcessA(applicationPath.empty() ? nullptr : applicationPath.c_str(), command.data(), nullptr, nullptr,
                        FALSE, 0, environment.empty() ? nullptr : environment.data(),
                        workingDirectory.empty() ? nullptr : workingDirectory.c_str(), &startup, &created))
        return false;
    CloseHandle(created.hThread);
    handle_ = created.hProcess;
    id_ = created.dwProcessId;
    return true;
}

bool Process::Open(DWORD processId) {
    Terminate();
    Release();
    handle_ = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE, FALSE, processId);
    if (handle_) id_ = processId;
    return handle_ != nullptr;
}

bool Process::IsRunning() const { return handle_ && WaitForSingleObject(handle_, 0) == WAIT_TIMEOUT; }

std::optional<DWORD> Process::WaitForExit(DWORD timeoutMs) {
    DWORD exitCode = 0;
    if (!handle_ || WaitForSingleObject(handle_, timeoutMs) != WAIT_OBJECT_0 || !GetExitCodeProcess(handle_, &exitCode))
        return std::nullopt;
    return exitCode;
}

void Process::Terminate() {
    if (!IsRunning()) return;
    TerminateProcess(handle_, 1);
    WaitForSingleObject(handle_, kDefaultTimeoutMs);
}

void Process::Release() {
    if (handle_) CloseHandle(handle_);
    handle_ = nullptr;
    id_ = 0;
}

}  // namespace ui
