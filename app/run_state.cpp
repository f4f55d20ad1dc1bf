#include "app/run_state.h"

RunState g_runState;
