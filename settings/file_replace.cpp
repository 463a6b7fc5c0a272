#include "settings/file_replace.h"

namespace {
// A virus scanner or the indexer holds a file for moments; someone else's lock stays.
constexpr int kMoveAttempts = 5;
constexpr unsigned kMoveRetryMs = 100;
}  // namespace

bool WriteFileAndReplace(FileSteps& steps, const char* tempPath, const char* target, const void* data, size_t size) {
    // Marked read-only on purpose: the player's lock wins over the launcher's save.
    if (steps.IsReadOnly(target)) return false;
    switch (steps.WriteNew(tempPath, data, size)) {
        case FileSteps::Written::Done: break;
        // A folder that takes no new file may still let the file itself be rewritten.
        case FileSteps::Written::NotCreated: return steps.RewriteInPlace(target, data, size);
        case FileSteps::Written::Failed: steps.Remove(tempPath); return false;
    }
    for (int attempt = 0; attempt < kMoveAttempts; ++attempt) {
        if (attempt > 0) steps.Wait(kMoveRetryMs);
        if (steps.MoveOver(tempPath, target)) return true;
    }
    steps.Remove(tempPath);
    return steps.RewriteInPlace(target, data, size);
}
