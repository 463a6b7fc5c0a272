#pragma once
// The launcher's one look at its environment: QUIMBO_TRACE=<file> turns the start-up
// trace on. Each line: milliseconds since the process was created, the moment, and a
// value where it has one.
void StartTraceIfAsked();
