#include "tests/support/temp_dir.h"

#include <fstream>
#include <iterator>
#include <random>

namespace fs = std::filesystem;

ScopedInstallDir::ScopedInstallDir() : previous_(fs::current_path()) {
    std::random_device seed;
    for (;;) {
        path_ = fs::temp_directory_path() / ("quimbo-test-" + std::to_string(seed()));
        if (fs::create_directory(path_)) break;
    }
    fs::create_directory(path_ / "bin");
    fs::current_path(path_);
}

ScopedInstallDir::~ScopedInstallDir() {
    std::error_code ignored;
    fs::current_path(previous_, ignored);
    fs::remove_all(path_, ignored);
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
