#include "state/trace.h"

TraceSink traceSink;
