#pragma once

// Sets the help up for the whole run: the help control is loaded and the trace log opened before
// any window exists, and both are taken down in the reverse order after the last one has gone.
class HelpModules {
public:
    HelpModules();
    ~HelpModules();
    HelpModules(const HelpModules&) = delete;
    HelpModules& operator=(const HelpModules&) = delete;
};
