// The user-element server: DDE service "Horalume", topic "UserElement".
// Clients poke an element's value in CF_TEXT and may request it back; the
// server hands both to the clock model. It runs on the shell's thread, which
// dispatches its transactions.
#pragma once

#include "clockhook/model/ClockModel.h"

// Fails, leaving nothing running, when DDEML refuses or when another server
// already serves the service (two would split the clients between them).
bool StartElementServer(ClockModel& model);
void StopElementServer();
