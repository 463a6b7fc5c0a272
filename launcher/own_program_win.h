#pragma once
// This launcher's own file (Windows only).
#include "state/path_limits.h"

// The full path of the running launcher; false when the system gives none or it does not
// fit, and then `path` holds nothing to use.
bool OwnProgramPath(char (&path)[kMaxPath]);
