#pragma once
// The box that tells why a program did not start (Windows only).

// The system's own text for a system error code, in a box without owner captioned with
// the current language's title; also for a start that could not even be attempted (a
// path too long for its buffer).
void ShowStartFailure(unsigned long error);
