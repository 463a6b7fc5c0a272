#include "settings/file_replace.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The replace with its file operations scripted: a move refused for a moment (a scanner
// holding the file) is retried; one refused for good falls back to the rewrite in place;
// a read-only record is left alone.
struct ScriptedSteps final : FileSteps {
    Written written = Written::Done;
    int refusedMoves = 0;
    bool readOnly = false, rewrites = true;
    std::string log;
    Written WriteNew(const char* path, const void*, size_t) override {
        return log += std::string("new ") + path + ";", written;
    }
    bool MoveOver(const char*, const char*) override { return log += "move;", refusedMoves-- <= 0; }
    bool RewriteInPlace(const char* path, const void*, size_t) override {
        return log += std::string("rewrite ") + path + ";", rewrites;
    }
    bool IsReadOnly(const char*) override { return readOnly; }
    void Remove(const char* path) override { log += std::string("remove ") + path + ";"; }
    void Wait(unsigned ms) override { log += "wait " + std::to_string(ms) + ";"; }
};

TEST(FileReplace, RefusedMovesAreRetriedThenRewrittenInPlaceAndReadOnlyIsLeftAlone) {
    using W = FileSteps::Written;
    const std::string retry = "wait 100;move;";
    const struct {
        W written;
        int refusedMoves;
        bool readOnly, rewrites, result;
        std::string log;  // after "new t;"
    } cases[] = {
        {W::Done, 0, false, true, true, "move;"},
        {W::Done, 2, false, true, true, "move;" + retry + retry},
        {W::Done, 9, false, true, true, "move;" + retry + retry + retry + retry + "remove t;rewrite c;"},
        {W::Done, 9, false, false, false, "move;" + retry + retry + retry + retry + "remove t;rewrite c;"},
        {W::NotCreated, 0, false, true, true, "rewrite c;"},
        {W::Failed, 0, false, true, false, "remove t;"},
        {W::Done, 0, true, true, false, "-"},
    };
    for (const auto& c : cases) {
        ScriptedSteps steps;
        steps.written = c.written, steps.refusedMoves = c.refusedMoves, steps.readOnly = c.readOnly;
        steps.rewrites = c.rewrites;
        EXPECT_EQ(WriteFileAndReplace(steps, "t", "c", "x", 1), c.result) << c.log;
        EXPECT_EQ(steps.log, c.readOnly ? "" : "new t;" + c.log);
    }
}

}  // namespace
