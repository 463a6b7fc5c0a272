#pragma once
// "bin\config.pc": the GameConfig record as the game reads it.
#include <cstdint>
#include <functional>

#include "settings/game_files.h"
#include "state/game_config.h"

// What the defaults take from the machine.
struct MachineFacts {
    int32_t cpuMHz;
    bool hardware3DAvailable;
    uint16_t systemLangId;  // the system's default language id
    bool qwertyKeyboard;
};

// The language of the texts on a system of language id `langId`; English for any
// language without texts of its own.
int32_t LanguageFromSystem(uint16_t langId);

// The key left of W is Q on QWERTY and A on AZERTY. A keyboard without 'q' answers all
// ones for it, which counts as AZERTY.
bool IsQwertyLayout(uint32_t scanCodeOfQ, uint32_t scanCodeOfA);

// Fills every field but the last seven bytes, which keep what the record held.
void MakeDefaultConfig(GameConfig& record, const MachineFacts& machine);

// Writes the record beside the file and swaps it in, so a crash or a full disk never
// leaves a half-written file; where the folder takes no new file, the file itself is
// rewritten. Then, when the ini marks a first run, the record's
// language goes into the ini. True when "bin\config.pc" now holds the record.
bool SaveConfigRecord(const GameConfig& record);

// The machine's facts on demand: measuring the clock rate may take seconds, and only
// the defaults need it.
using MachineFactsSource = std::function<MachineFacts()>;

// Reads "bin\config.pc" into `record`. A file of another size or version, a language
// outside 0..5, or `rendererBefore` (what was picked before the load, not what is
// stored) the hardware one while the machine has no accelerator, gives the defaults
// instead, saved at once; only then is `machine` asked. On a first run the ini's
// language is taken and saved.
void LoadConfigRecord(GameConfig& record, int32_t rendererBefore, bool hardware3DAvailable,
                      const MachineFactsSource& machine);
