// Any stored record: loading never crashes and always leaves a 128-byte file whose
// bytes are exactly the record in memory, with a valid version and language.
#include <cstdlib>
#include <cstring>

#include "settings/config_file.h"
#include "state/language.h"

#include "tests/support/temp_dir.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static ScopedInstallDir installDir("quimbo-fuzz-");  // removed at exit, kept with a crash file
    WriteBytes(kConfigPath, std::string(data, data + size));
    GameConfig config{};
    const MachineFacts machine = {int32_t(size * 7), (size & 1) != 0, uint16_t(size), (size & 2) != 0};
    LoadConfigRecord(config, int32_t(size % 3), machine.hardware3DAvailable, [&] { return machine; });
    if (config.configVersion != kConfigVersion || !IsLanguageIndex(config.languageIndex)) std::abort();
    const std::string stored = ReadBytes(kConfigPath);
    if (stored.size() != sizeof config || std::memcmp(stored.data(), &config, sizeof config) != 0) std::abort();
    return 0;
}
