#include "tests/fuzz/fuzz_dir.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <sys/stat.h>

namespace {
char folder[] = "/tmp/quimbo-fuzz-XXXXXX";

// The fuzzer ends by exit(): the folder goes with it.
void RemoveFolder() { std::filesystem::remove_all(folder); }
}  // namespace

void EnterFuzzInstallDir() {
    static bool entered = false;
    if (entered) return;
    if (!mkdtemp(folder) || chdir(folder) != 0 || mkdir("bin", 0700) != 0) std::abort();
    std::atexit(RemoveFolder);
    entered = true;
}

void WriteWholeFile(const char* path, const uint8_t* data, size_t size) {
    FILE* file = std::fopen(path, "wb");
    if (!file) std::abort();
    if (size && std::fwrite(data, 1, size, file) != size) std::abort();
    std::fclose(file);
}

std::string ReadWholeFile(const char* path) {
    std::string bytes;
    FILE* file = std::fopen(path, "rb");
    if (!file) return bytes;
    char chunk[4096];
    for (size_t n; (n = std::fread(chunk, 1, sizeof chunk, file)) > 0;) bytes.append(chunk, n);
    std::fclose(file);
    return bytes;
}
