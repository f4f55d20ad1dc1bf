#pragma once

#include <cstdint>

// "ConsumerUpgrade" = 1 in the machine product key, created when missing.
void SetConsumerUpgrade();
// "UpdateHint" = 1 in the user's product key, created when missing.
void SetUpdateHint();
// Copies the user's settings from the older company's key into the product
// key; the older key stays. 1 when copied.
int32_t CopyLegacyUserKey();
