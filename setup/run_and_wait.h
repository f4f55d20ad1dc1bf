#pragma once

#include <cstdint>
#include <string>

struct RunResult {
  bool started = false;
  uint32_t processId = 0;  // meaningful only when started
};

// Starts the command in the current directory and returns once it has ended.
// A command of 260 characters or more does not fit the buffer and is not started.
RunResult RunAndWait(const std::u16string& commandLine);
