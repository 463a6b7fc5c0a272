#pragma once
// Reports of our stand-in programs: one "key=value" line each, CR LF or LF.
#include <map>
#include <string>

std::map<std::string, std::string> ParseKeyValueReport(const std::string& text);
