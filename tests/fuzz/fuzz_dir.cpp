#include "tests/fuzz/fuzz_dir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

namespace {
fs::path installDir;
void RemoveInstallDir() {
    std::error_code ignored;
    fs::remove_all(installDir, ignored);
}
}  // namespace

void EnterFuzzInstallDir() {
    if (!installDir.empty()) return;
    char pattern[] = "/tmp/quimbo-fuzz-XXXXXX";
    if (!mkdtemp(pattern)) std::abort();
    installDir = pattern;
    std::atexit(RemoveInstallDir);  // libFuzzer ends a run through exit()
    fs::current_path(installDir);
    fs::create_directory("bin");
}

void WriteWholeFile(const char* path, const uint8_t* data, size_t size) {
    if (!std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(data), std::streamsize(size)))
        std::abort();
}

std::string ReadWholeFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
