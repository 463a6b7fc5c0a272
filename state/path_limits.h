#pragma once
// Every path buffer holds MAX_PATH bytes with its terminator; the ini's driver library
// name holds 80.
constexpr int kMaxPath = 260;
constexpr int kDriverDllNameSize = 80;
