// Random DDE transactions against the clock's element server.
#pragma once

// One client: count transactions of every type (poke, request, advise,
// execute) with random formats, item names and data; prints its counts.
// Returns 0 when it could talk to the server at all.
int RunDdeClient(unsigned count, unsigned seed);
