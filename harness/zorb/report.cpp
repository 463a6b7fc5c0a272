#include "harness/zorb/report.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace {

std::string OneLine(const std::string& value) {
    std::string out;
    for (unsigned char c : value) {
        if (c < 0x20 || c == 0x7F) {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
            out += escaped;
        } else {
            out += char(c);
        }
    }
    return out;
}

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.15g", value);
    if (std::strtod(text, nullptr) != value) std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

template <size_t N>
std::string Bytes(const uint8_t (&bytes)[N]) {
    std::string out;
    for (size_t i = 0; i < N; ++i) {
        if (i) out += ' ';
        out += std::to_string(bytes[i]);
    }
    return out;
}

std::string StatusText(const ConfigFileRead& read) {
    switch (read.status) {
        case ConfigFileRead::Ok: return "ok";
        case ConfigFileRead::WrongSize: return "wrong size " + std::to_string(read.size);
        default: return "missing";
    }
}

}  // namespace

ConfigFileRead ReadConfigFile(const char* path) {
    ConfigFileRead read;
    std::ifstream in(path, std::ios::binary);
    if (!in) return read;
    in.seekg(0, std::ios::end);
    std::streamoff size = in.tellg();
    if (size < 0) return read;  // not a file we can read
    read.size = uint64_t(size);
    read.status = ConfigFileRead::WrongSize;
    if (read.size != sizeof(GameConfig)) return read;
    in.seekg(0, std::ios::beg);
    if (in.read(reinterpret_cast<char*>(&read.config), sizeof read.config)) read.status = ConfigFileRead::Ok;
    return read;
}

std::string FormatReport(const std::string& commandLine, const std::string& workingDirectory,
                         const ConfigFileRead& read) {
    std::string out;
    auto line = [&out](const char* key, const std::string& value) {
        out += key;
        out += '=';
        out += OneLine(value);
        out += "\r\n";
    };
    line("commandLine", commandLine);
    line("workingDirectory", workingDirectory);
    line("config", StatusText(read));
    if (read.status != ConfigFileRead::Ok) return out;

    const GameConfig& c = read.config;
    line("configVersion", std::to_string(c.configVersion));
    line("renderer", std::to_string(c.renderer));
    line("languageIndex", std::to_string(c.languageIndex));
    line("hardware3DState", std::to_string(c.hardware3DState));
    line("screenWidth", std::to_string(c.screenWidth));
    line("screenHeight", std::to_string(c.screenHeight));
    line("fullScreen", std::to_string(c.fullScreen));
    line("gameInt1", std::to_string(c.gameInt1));
    line("gameReal1", Number(c.gameReal1));
    line("gameReal2", Number(c.gameReal2));
    line("gameInt2", std::to_string(c.gameInt2));
    line("gameInt3", std::to_string(c.gameInt3));
    line("gameInt4", std::to_string(c.gameInt4));
    line("gameBytes", Bytes(c.gameBytes));
    line("keyCodes", Bytes(c.keyCodes));
    line("gameZero", Bytes(c.gameZero));
    line("gameReal3", Number(c.gameReal3));
    line("gameReal4", Number(c.gameReal4));
    line("gameReal5", Number(c.gameReal5));
    line("gameFlag", std::to_string(c.gameFlag));
    line("tail", Bytes(c.tail));
    return out;
}
