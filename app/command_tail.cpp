#include "app/command_tail.h"

std::u16string_view CommandTail(std::u16string_view commandLine) {
  size_t i = 0;
  for (bool quoted = false; i < commandLine.size(); ++i) {
    if (commandLine[i] == u'"') quoted = !quoted;
    if (!quoted && commandLine[i] <= u' ') break;
  }
  while (i < commandLine.size() && commandLine[i] <= u' ') ++i;
  return commandLine.substr(i);
}
