// Any stored record: loading never crashes and always leaves a 128-byte file whose
// bytes are exactly the record in memory, with a valid version and language.
#include <cstdlib>
#include <cstring>

#include "launcher/launcher_state.h"
#include "settings/game_config.h"
#include "tests/fuzz/fuzz_dir.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    EnterFuzzInstallDir();
    WriteWholeFile(kConfigPath, data, size);
    std::memset(&gameConfig, 0, sizeof gameConfig);
    hardware3DAvailable = size & 1;
    cpuMHz = int32_t(size * 7);
    LoadConfig();
    if (gameConfig.configVersion != kConfigVersion) std::abort();
    if (gameConfig.languageIndex < 0 || gameConfig.languageIndex >= kLanguageCount) std::abort();
    const std::string stored = ReadWholeFile(kConfigPath);
    if (stored.size() != sizeof gameConfig || std::memcmp(stored.data(), &gameConfig, sizeof gameConfig) != 0)
        std::abort();
    return 0;
}
