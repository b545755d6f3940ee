#pragma once

// Where the current deal stands; Over also before the first deal.
enum class GameState : int { Dealt = 0, Started = 1, Over = 2 };
