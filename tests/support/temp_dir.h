#pragma once
// A fresh folder that becomes the current directory for one test, with an empty
// "bin" inside, as the launcher finds it in an installation folder. The old current
// directory comes back and the folder goes away at the end.
#include <filesystem>
#include <string>

#include "harness/file_bytes.h"  // ReadBytes, WriteBytes

class ScopedInstallDir {
public:
    explicit ScopedInstallDir(const char* name = "quimbo-test-");  // fuzzers keep theirs apart
    ~ScopedInstallDir();
    ScopedInstallDir(const ScopedInstallDir&) = delete;
    ScopedInstallDir& operator=(const ScopedInstallDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_previous;
    std::filesystem::path m_path;
};

// A test's file or folder, relative to the current directory, is there.
bool FileExists(const std::string& relativePath);
