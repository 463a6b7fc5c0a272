#pragma once
// The reports of our stand-in programs: the game zorb (what it was handed) and the
// recorder (how it was started). One "key=value" line each, CR LF.
// A report is complete once it exists: its writer writes it under another name and then
// renames it into place, so a reader never sees part of one, whichever program wrote it.
#include <filesystem>
#include <map>
#include <string>

using StandInReport = std::map<std::string, std::string>;

// The stand-in game's report, beside zorb.exe; a recorder's is its own path + ".txt".
constexpr const char* kGameReportName = "zorb-report.txt";
std::filesystem::path RecordOf(const std::filesystem::path& recorder);

// Writes the report whole, then renames it into place; false when it is not there.
bool WriteStandInReport(const std::filesystem::path& path, const std::string& text);

StandInReport ParseStandInReport(const std::string& text);
