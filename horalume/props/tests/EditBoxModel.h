// What a single-line edit box limited to 119 characters does with the picker's
// edits: replacing the selection keeps only as much of the new text as fits and
// leaves the caret after it. The Wine tests check this against a real box.
#pragma once

#include "horalume/props/FormatEditing.h"

#include <algorithm>
#include <string>
#include <vector>

struct EditBoxModel {
    std::string text;
    int selStart = 0;
    int selEnd = 0;

    void Apply(const FormatEdit& edit)
    {
        const std::size_t start = std::min<std::size_t>(edit.start, text.size());
        const std::size_t end = std::clamp<std::size_t>(edit.end, start, text.size());
        const std::size_t room = 119 - (text.size() - (end - start));
        const std::string kept = edit.text.substr(0, room);
        text.replace(start, end - start, kept);
        selStart = selEnd = static_cast<int>(start + kept.size());
    }

    void Apply(const std::vector<FormatEdit>& edits)
    {
        for (const FormatEdit& edit : edits) {
            Apply(edit);
        }
    }
};
