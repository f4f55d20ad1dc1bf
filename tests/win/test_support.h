// Helpers for the tests under Wine: a scratch current directory, whole-file
// reads and writes, the stand-in child's log, and scoped seams.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "app/run_state.h"

// A fresh empty folder made the process's current directory; the previous one
// comes back and the folder goes when it ends.
class ScratchDirectory {
 public:
  ScratchDirectory();
  ~ScratchDirectory();
  const std::wstring& Path() const { return path_; }
  std::wstring File(const std::wstring& name) const { return path_ + L"\\" + name; }

 private:
  std::wstring path_;
  std::wstring previous_;
};

std::string ReadBytes(const std::wstring& path);  // "" when missing
bool FileExists(const std::wstring& path);
void WriteBytes(const std::wstring& path, const std::string& bytes);
std::wstring Widen(const std::string& utf8);

// The stand-in child (tests/tools/stand_in.cpp), copied under a name of choice.
std::wstring StandInExe();
void InstallStandIn(const std::wstring& path);

// The stand-in's log: one entry per run, "<NAME>|<command line>|<directory>".
class StandInLog {
 public:
  StandInLog();
  ~StandInLog();
  std::vector<std::wstring> Lines() const;

 private:
  std::wstring path_;
};

void SetEnv(const std::wstring& name, const std::wstring& value);  // "" removes it

// Replaces a function pointer for one scope and restores it.
template <class Fn>
class ScopedSeam {
 public:
  ScopedSeam(Fn& slot, Fn replacement) : slot_(slot), saved_(slot) { slot_ = replacement; }
  ~ScopedSeam() { slot_ = saved_; }
  ScopedSeam(const ScopedSeam&) = delete;
  ScopedSeam& operator=(const ScopedSeam&) = delete;

 private:
  Fn& slot_;
  Fn saved_;
};

// Resets the run state for a test.
inline void ResetRunState() { g_runState = RunState{}; }

// Collects debugger output (OutputDebugString) of every process in the prefix
// through the DBWIN protocol, as a debug viewer does, while it lives.
class DebugOutputListener {
 public:
  DebugOutputListener();
  ~DebugOutputListener();
  std::vector<std::wstring> Lines();  // in the order written

 private:
  static DWORD WINAPI Listen(void* self);
  HANDLE bufferReady_, dataReady_, mapping_, thread_;
  void* view_;
  volatile LONG stop_ = 0;
  CRITICAL_SECTION lock_;
  std::vector<std::wstring> lines_;
};
