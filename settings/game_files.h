#pragma once
// The files of the game's bin folder that the launcher reads and writes. Paths are
// relative to the current directory, the installation folder when the launcher runs
// from there.
#ifdef _WIN32
#define QUIMBO_BIN_DIR "bin\\"
#else
#define QUIMBO_BIN_DIR "bin/"
#endif
constexpr const char* kConfigPath = QUIMBO_BIN_DIR "config.pc";
constexpr const char* kConfigTempPath = QUIMBO_BIN_DIR "config.pc.new";
constexpr const char* kIniPath = QUIMBO_BIN_DIR "zorb.ini";
