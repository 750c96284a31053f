// The component's side of the loader's hand-shake: the end of each request,
// and the reference that keeps the library mapped between install and removal.
#pragma once

#include "win32/Win32Handles.h"

// Sets the event "HoralumeHookComplete", once per request.
void ReportRequestDone();

// Lets go of the reference from a thread of its own, since it may unmap the
// library under the code that lets go. Without the thread the reference
// stays: a library left loaded is better than one unmapped under running code.
void DropLibraryReference(UniqueLibrary& reference);
