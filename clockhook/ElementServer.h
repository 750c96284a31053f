// The user-element server: DDE service "Horalume", topic "UserElement".
// Clients poke an element's value in CF_TEXT and may request it back. It
// runs on the shell's thread, which dispatches its transactions.
#pragma once

bool StartElementServer();
void StopElementServer();
