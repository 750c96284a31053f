// The whole of horaset: usage, connection, one poke per element argument.
#pragma once

// Runs with the arguments as the runtime split them; returns the exit code.
int RunHoraset(int argc, const char* const argv[]);
