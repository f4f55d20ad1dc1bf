#pragma once

// Sets g_runState.productId from section OLTREVAN of "setup.iss" in the current
// directory: PRODUCTID, or the standard edition's code when it is missing and
// PRODUCTPATCH is exactly "1".
void ReadAnswerFileSettings();
