#include "launcher/process_start.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The start scripted: what each way answers, and what reached it.
struct ScriptedStarter final : ProgramStarter {
    unsigned long directAnswer, shellAnswer;
    std::string calls;
    unsigned long StartDirect(const char* path, char* commandLine, const char* folder) override {
        calls += std::string("direct ") + path + "|" + commandLine + "|" + folder + ";";
        commandLine[0] = 'X';  // the system may write into it
        return directAnswer;
    }
    unsigned long StartThroughShell(const char* path, const char* parameters, const char* folder) override {
        calls += std::string("shell ") + path + "|" + parameters + "|" + folder + ";";
        return shellAnswer;
    }
};

TEST(ProgramStart, OnlyAStartThatNeedsElevationGoesThroughTheShellWithTheSameSwitches) {
    const std::string direct = "direct C:\\g\\zorb.exe| /b00 /win|C:\\g;";
    const std::string shell = "shell C:\\g\\zorb.exe| /b00 /win|C:\\g;";
    const struct {
        unsigned long directAnswer, shellAnswer, result;
        std::string calls;
    } cases[] = {
        {0, 5, 0, direct},
        {2, 0, 2, direct},  // a missing program is not retried
        {kErrorElevationRequired, 0, 0, direct + shell},
        {kErrorElevationRequired, kErrorCancelled, kErrorCancelled, direct + shell},
        {kErrorElevationRequired, 2, 2, direct + shell},
    };
    for (const auto& c : cases) {
        ScriptedStarter starter;
        starter.directAnswer = c.directAnswer, starter.shellAnswer = c.shellAnswer;
        char commandLine[] = " /b00 /win";
        EXPECT_EQ(StartProgram(starter, "C:\\g\\zorb.exe", commandLine, "C:\\g"), c.result) << c.directAnswer;
        EXPECT_EQ(starter.calls, c.calls) << c.directAnswer;
    }
}

}  // namespace
