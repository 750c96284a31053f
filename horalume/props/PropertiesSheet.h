// Horalume's modeless properties sheet with its six pages.
#pragma once

#include "horalume/props/PageDialog.h"
#include "horalume/settings/SheetState.h"

#include <windows.h>

#include <memory>
#include <vector>

class PropertiesSheet {
public:
    // The pages work on state, which outlives the sheet.
    explicit PropertiesSheet(SheetState& state);

    // Reloads and pushes the stored settings, builds the sheet hidden, places
    // and shows it; null when it cannot be made. The sheet's window must go
    // before this object does.
    HWND Open();

private:
    SheetState& state_;
    std::vector<std::unique_ptr<PageDialog>> pages_; // in tab order
};
