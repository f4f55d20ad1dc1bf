#pragma once

#include <string>

void RunDecisionFlow(const std::u16string& commandTail);
