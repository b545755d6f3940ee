#pragma once

// How long a test waits for what normally takes a moment (a window shown, a dialog up, a search
// on another thread): ample on a loaded machine under the sanitizers, yet a stall fails the test
// well within its time limit instead of hanging it.
inline constexpr int WaitLimitMs = 5000;
