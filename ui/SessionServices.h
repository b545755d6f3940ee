#pragma once

#include <functional>
#include <memory>

#include "platform/AudioOut.h"

class HelpSystem;
class QDialog;

// What a game session takes from outside instead of making it itself. The program hands in its
// help system and gets the system's sound output and dialogs in their own modal loops; the window
// tests hand in an output they can listen to and a runner that answers the dialogs.
struct SessionServices {
    std::unique_ptr<AudioOut> audioOut;
    // Shows a dialog and gives its modal result.
    std::function<int(QDialog&)> runDialog;
    // None in tests of other parts, where help requests then do nothing.
    HelpSystem* help = nullptr;
};
