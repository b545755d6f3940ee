#pragma once

#include "help/HelpSystem.h"

// Sets the help up for the whole run and owns its one HelpSystem: the trace log is opened before
// any window exists; the help control is loaded only when help is first asked for. Both are taken
// down in the reverse order after the last window has gone, the viewer's process with them.
class HelpModules {
public:
    // The viewer program beside the game, or where the installed tree keeps it.
    HelpModules();
    explicit HelpModules(HelpSystem::Options options);
    ~HelpModules();
    HelpModules(const HelpModules&) = delete;
    HelpModules& operator=(const HelpModules&) = delete;

    HelpSystem& System() { return system; }

private:
    HelpSystem system;
};
