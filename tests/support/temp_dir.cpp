#include "tests/support/temp_dir.h"

#include <fstream>
#include <iterator>
#include <random>
#ifndef _WIN32
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#endif

namespace fs = std::filesystem;

namespace {

#ifdef _WIN32
std::string FolderPrefix(const std::string& name) { return name; }  // longer would crowd 260-byte paths
#else
// NAME-PID-N, so that a later test removes the test folders of runs that crashed or
// were killed: their process is gone. A folder of a run still going stays; so does a
// fuzzer's, which holds its crash file.
std::string FolderPrefix(const std::string& name) {
    std::error_code ignored;
    for (const fs::directory_entry& entry : fs::directory_iterator(fs::temp_directory_path(), ignored)) {
        const std::string folder = entry.path().filename().string();
        char* end = nullptr;
        const long pid = folder.rfind("quimbo-test-", 0) == 0 ? std::strtol(folder.c_str() + 12, &end, 10) : 0;
        if (pid > 0 && *end == '-' && kill(pid_t(pid), 0) != 0 && errno == ESRCH) fs::remove_all(entry, ignored);
    }
    return name + std::to_string(getpid()) + "-";
}
#endif

}  // namespace

ScopedInstallDir::ScopedInstallDir(const char* name) : m_previous(fs::current_path()) {
    const std::string prefix = FolderPrefix(name);
    std::random_device seed;
    for (;;) {
        m_path = fs::temp_directory_path() / (prefix + std::to_string(seed()));
        if (fs::create_directory(m_path)) break;
    }
    fs::create_directory(m_path / "bin");
    fs::current_path(m_path);
}

ScopedInstallDir::~ScopedInstallDir() {
    std::error_code ignored;
    fs::current_path(m_previous, ignored);
    fs::remove_all(m_path, ignored);
}

void WriteBytes(const std::string& relativePath, const std::string& bytes) {
    std::ofstream out(relativePath, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
}

std::string ReadBytes(const std::string& relativePath) {
    std::ifstream in(relativePath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool FileExists(const std::string& relativePath) { return fs::exists(relativePath); }
