#pragma once
// Starting a program directly, or through the shell when the system says it needs
// raised rights (it was marked "Run as administrator"). The platform comes in as an
// interface, implemented over Windows in process_start_win.cpp.

// System error codes the decision knows.
constexpr unsigned long kErrorElevationRequired = 740;
constexpr unsigned long kErrorCancelled = 1223;  // the user refused the consent prompt

class ProgramStarter {
public:
    // Each returns 0 when the program was started, or the system's error code.
    virtual unsigned long StartDirect(const char* applicationPath, char* commandLine, const char* workingDirectory) = 0;
    // Through the shell, which raises the consent prompt where one is needed.
    virtual unsigned long StartThroughShell(const char* applicationPath, const char* parameters,
                                            const char* workingDirectory) = 0;

protected:
    ~ProgramStarter() = default;
};

// Starts the program with its switches in its folder: directly, and through the shell
// only when the direct start needs elevation. 0, or the error of the last attempt.
unsigned long StartProgram(ProgramStarter& starter, const char* applicationPath, char* commandLine,
                           const char* workingDirectory);
