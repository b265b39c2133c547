#pragma once

namespace kalder {

// What one move changed, so undo can put it back exactly. Values are kept whole: a 9 that
// received reads 10, and a later undo must restore 9, not a truncated digit.
struct UndoRecord {
    int source = 0;
    int source_value = 0;
    bool source_locked = false;
    int target = 0;
    int target_value = 0;

    bool operator==(const UndoRecord&) const = default;
};

}  // namespace kalder
