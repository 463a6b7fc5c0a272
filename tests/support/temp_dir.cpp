#include "tests/support/temp_dir.h"

#include <random>

namespace fs = std::filesystem;

ScopedInstallDir::ScopedInstallDir(const char* name) : m_previous(fs::current_path()) {
    std::random_device seed;
    for (;;) {
        m_path = fs::temp_directory_path() / (name + std::to_string(seed()));
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

bool FileExists(const std::string& relativePath) { return fs::exists(relativePath); }
