// Starting, waiting for and ending processes; the polling wait the rest builds on.
#include <algorithm>
#include <cctype>
#include <cstring>

#include "harness/file_bytes.h"
#include "harness/ui_driver/ui_driver.h"

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

StandInReport WaitForReport(const std::filesystem::path& report, DWORD timeoutMs) {
    // Whatever reads is the whole report. It may not open for a moment after it appears:
    // the writer's rename still holds it.
    StandInReport items;
    WaitUntil([&] { return !(items = ParseStandInReport(ReadBytes(report))).empty(); }, timeoutMs);
    return items;
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
        std::swap(m_handle, other.m_handle);
        std::swap(m_id, other.m_id);
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
    m_handle = created.hProcess;
    m_id = created.dwProcessId;
    return true;
}

bool Process::Start(const std::wstring& applicationPath, const std::wstring& workingDirectory) {
    Terminate();
    Release();
    wchar_t commandLine[] = L"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION created = {};
    if (!CreateProcessW(applicationPath.c_str(), commandLine, nullptr, nullptr, FALSE, 0, nullptr,
                        workingDirectory.c_str(), &startup, &created))
        return false;
    CloseHandle(created.hThread);
    m_handle = created.hProcess;
    m_id = created.dwProcessId;
    return true;
}

bool Process::Open(DWORD processId) {
    Terminate();
    Release();
    m_handle = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE, FALSE, processId);
    if (m_handle) m_id = processId;
    return m_handle != nullptr;
}

bool Process::IsRunning() const { return m_handle && WaitForSingleObject(m_handle, 0) == WAIT_TIMEOUT; }

std::optional<DWORD> Process::WaitForExit(DWORD timeoutMs) {
    DWORD exitCode = 0;
    if (!m_handle || WaitForSingleObject(m_handle, timeoutMs) != WAIT_OBJECT_0 ||
        !GetExitCodeProcess(m_handle, &exitCode))
        return std::nullopt;
    return exitCode;
}

bool Process::WaitForInputIdle(DWORD timeoutMs) const {
    return m_handle && ::WaitForInputIdle(m_handle, timeoutMs) == 0;
}

void Process::Terminate() {
    if (!IsRunning()) return;
    TerminateProcess(m_handle, 1);
    WaitForSingleObject(m_handle, kDefaultTimeoutMs);
}

void Process::Release() {
    if (m_handle) CloseHandle(m_handle);
    m_handle = nullptr;
    m_id = 0;
}

}  // namespace ui
