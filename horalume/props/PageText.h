// Horalume's string resources as the pages load them.
#pragma once

#include <windows.h>

#include <cstddef>

#include "LoaderState.h"

// Loads string id into text, cut to fit; empty when the string is missing.
template <std::size_t size> void LoadPageText(UINT id, char (&text)[size])
{
    if (LoadStringA(g_loader.instance, id, text, static_cast<int>(size)) <= 0) {
        text[0] = '\0';
    }
}
