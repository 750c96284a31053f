// Horalume's string resources as the pages load them.
#pragma once

#include <windows.h>

#include <cstddef>

// Loads string id into text, cut to fit; empty when the string is missing.
template <std::size_t size> void LoadPageText(HINSTANCE instance, UINT id, char (&text)[size])
{
    if (LoadStringA(instance, id, text, static_cast<int>(size)) <= 0) {
        text[0] = '\0';
    }
}
