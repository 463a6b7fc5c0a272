#pragma once
// Whole files as bytes, for the tests, the harness's programs and the stand-ins' reports.
// Portable and header-only: the host's tests and the fuzzers take it as well.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// The file's bytes; "" for a file that is missing or cannot be read.
inline std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Creates or replaces the file; false when it could not be written whole.
inline bool WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    out.close();
    return bool(out);
}
