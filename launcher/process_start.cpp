#include "launcher/process_start.h"

#include <string>

unsigned long StartProgram(ProgramStarter& starter, const char* applicationPath, char* commandLine,
                           const char* workingDirectory) {
    // The direct start may write into its command line; the shell gets it as we built it.
    const std::string parameters = commandLine;
    const unsigned long error = starter.StartDirect(applicationPath, commandLine, workingDirectory);
    if (error != kErrorElevationRequired) return error;
    return starter.StartThroughShell(applicationPath, parameters.c_str(), workingDirectory);
}
