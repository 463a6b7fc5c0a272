#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// Moves the fuzzer, once, into a private installation folder with a "bin" inside,
// removed again when the fuzzer exits.
void EnterFuzzInstallDir();
void WriteWholeFile(const char* path, const uint8_t* data, size_t size);
std::string ReadWholeFile(const char* path);
