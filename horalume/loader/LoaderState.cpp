#include "LoaderState.h"

LoaderState g_loader;
