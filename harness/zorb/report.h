#pragma once
// What the stand-in game received, as text: one "key=value" line per item, lines ended
// by CR LF, in this order: commandLine, workingDirectory, config (ok, missing, or
// "wrong size N"), and, when config is ok, every GameConfig field by name. Numbers are
// decimal, doubles in the shortest form that reads back exactly, byte arrays as
// numbers separated by blanks. Control characters in a value are written as \xNN so
// that each item stays on its own line.
#include <cstdint>
#include <string>

#include "state/game_config.h"

struct ConfigFileRead {
    enum Status { Ok, Missing, WrongSize };
    Status status = Missing;
    uint64_t size = 0;  // the file's size when it could be opened
    GameConfig config = {};
};

// Reads the record from `path` without judging its contents: the game shows what is there.
ConfigFileRead ReadConfigFile(const char* path);

std::string FormatReport(const std::string& commandLine, const std::string& workingDirectory,
                         const ConfigFileRead& read);
