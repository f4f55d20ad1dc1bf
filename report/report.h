// What the report knows of a machine and what oltrevan.exe would do on it,
// and how that is written out. No Windows call: the facts are gathered by
// the report program with the program's own detection code.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/decision.h"
#include "app/run_state.h"

struct UninstallKeyFact {
  int32_t kind = 0;  // 3, 2, 1, or 0 for the installed code's own entry
  std::u16string code;
  bool opensForReading = false;
  bool opensWithFullAccess = false;
  std::u16string uninstallString;
};

struct ReportFacts {
  std::u16string commandTail;
  const char16_t* silentSwitch = nullptr;
  std::u16string directory;
  bool answerFilePresent = false, answerFileUtf16 = false, answerFileZeroByte = false;
  std::u16string productIdValue, productPatchValue;
  size_t codeOccurrences = 0, codeOccurrencesAnyCase = 0;
  bool setupBakPresent = false, setupExePresent = false;

  bool productKeyPresent = false;
  std::u16string installedProductIdValue;
  int32_t cloud = -1;
  std::vector<UninstallKeyFact> uninstallKeys;
  std::vector<std::pair<std::u16string, bool>> platforms;

  RunState state;  // after the answer file and detection, as the program fills it
  Road road = Road::kMissingProductId;
  bool swapWouldBeMade = false;
  std::u16string substituteCode;  // empty when none
};

std::vector<std::string> ReportWarnings(const ReportFacts& facts);
std::string FormatReportText(const ReportFacts& facts);
std::string FormatReportJson(const ReportFacts& facts);

std::string Utf8(std::u16string_view text);
// A JSON string literal, quotes included.
std::string JsonString(std::u16string_view text);
std::string JsonString(std::string_view utf8);

// ASCII letters folded to lower case, to find codes written in another case.
std::u16string AsciiLower(std::u16string_view text);
