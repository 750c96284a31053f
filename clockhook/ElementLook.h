// One look at a Windows 11 taskbar's XAML content: the clock's content
// element and its neighbours, with their screen rectangles. Runs on the
// locator's thread, in a multithreaded apartment; every call may wait for
// the taskbar's own thread to serve it.
#pragma once

#include "clockhook/model/OverlayPlacement.h"

#include <windows.h>

#include <map>
#include <vector>

class ElementLook {
public:
    ElementLook() = default;
    ElementLook(const ElementLook&) = delete;
    ElementLook& operator=(const ElementLook&) = delete;
    ~ElementLook();

    // The elements of the taskbar's content in screen coordinates: through
    // UI Automation (one cached round trip); where that is missing, through
    // the bridges' accessibility objects. Empty when neither answers.
    std::vector<LocatedElement> At(HWND taskbar);

private:
    bool LookThroughAutomation(HWND taskbar, std::vector<LocatedElement>& found);
    void LookThroughAccessibility(HWND bridge, std::vector<LocatedElement>& found);
    void LookInBridgesOf(HWND parent, std::vector<LocatedElement>& found);
    void ForgetGoneBridges();

    struct IUnknown* automation_ = nullptr;
    bool automationMissing_ = false; // asked once: it does not come back
    struct IUnknown* condition_ = nullptr;
    struct IUnknown* cacheRequest_ = nullptr;
    std::map<HWND, struct IAccessible*> bridgeObjects_;
};
