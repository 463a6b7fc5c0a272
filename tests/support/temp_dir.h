#pragma once
// A fresh folder that becomes the current directory for one test, with an empty
// "bin" inside, as the launcher finds it in an installation folder. The old current
// directory comes back and the folder goes away at the end.
#include <filesystem>
#include <string>

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

// Whole-file helpers for the test's files, relative to the current directory.
void WriteBytes(const std::string& relativePath, const std::string& bytes);
std::string ReadBytes(const std::string& relativePath);
bool FileExists(const std::string& relativePath);
