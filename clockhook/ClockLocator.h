// The clock locator: looks at the Windows 11 taskbars' XAML content from a
// worker thread of its own, in a multithreaded apartment, so the shell's
// thread, which serves those looks, never waits on one. The worker holds its
// own reference on the library and leaves with FreeLibraryAndExitThread:
// removing the component never waits for a look that hangs.
#pragma once

#include "clockhook/model/OverlayPlacement.h"

#include <windows.h>

#include <memory>
#include <vector>

struct LocatorChannel;

class ClockLocator {
public:
    ClockLocator() = default;
    ClockLocator(const ClockLocator&) = delete;
    ClockLocator& operator=(const ClockLocator&) = delete;
    ~ClockLocator() { Stop(); }

    // Starts the worker; each look that changed an answer posts the message
    // to the window. False when the worker cannot start.
    bool Start(HWND notify, UINT message);
    // Tells the worker to leave once its look is done; never waits.
    void Stop();

    // Asks for a look at the taskbars; asks made while a look runs are
    // taken together once it is done.
    void Look(const std::vector<HWND>& taskbars);
    // The taskbar's last good answer in screen coordinates: a look that came
    // back without the clock's content (the taskbar moving, its menu open)
    // or has not come back keeps it. Empty until one answered.
    std::vector<LocatedElement> AnswerFor(HWND taskbar) const;

private:
    std::shared_ptr<LocatorChannel> channel_;
};
