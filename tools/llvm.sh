# Sourced: the one LLVM version for the format check, the sanitizer build and the
# fuzzers. Each version lays the code out a little differently, so it is pinned; it
# must be one that every Debian release we build on packages (19: Debian 12 and 13).
llvm_version=19
