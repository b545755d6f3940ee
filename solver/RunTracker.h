#pragma once

#include <cstddef>
#include <utility>
#include <vector>

#include "solver/SearchState.h"

// Remembers the first line found to each set of run ends, over every pass of a search.
class RunTracker {
public:
    void See(const SearchState& state, const std::vector<Step>& path) {
        int& index = indexOf[static_cast<std::size_t>(state.RunKey())];
        if (index >= 0) return;
        index = static_cast<int>(reached.size());
        reached.push_back(state.Reach(path));
    }
    std::vector<RunReach> Take() { return std::move(reached); }

private:
    std::vector<int> indexOf = std::vector<int>(std::size_t{1} << 16, -1);
    std::vector<RunReach> reached;
};
