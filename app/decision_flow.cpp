#include "app/decision_flow.h"

#include "app/answer_file_settings.h"
#include "app/decision.h"
#include "app/run_state.h"
#include "app/silent_switch.h"
#include "setup/run_setup.h"

void RunDecisionFlow(const std::u16string& commandTail) {
  g_runState.silent = IsSilentCommandLine(commandTail);
  ReadAnswerFileSettings();
  if (g_runState.productId.empty()) return;
  RunSetup();
}
