#pragma once

#include <optional>
#include <string_view>

// How a deal that was counted ended. Every ending but a win counts as a loss in the statistics;
// the record keeps them apart.
enum class DealResult {
    Won,
    // Given up when the last round was known to be lost: nothing the player could still do.
    Lost,
    // Given up for a new deal or a replay while it could still be played.
    GivenUp,
    // Counted lost as the player quit.
    Quit,
    // Counted lost as the program ended on a request from outside (a logout, a signal).
    QuietEnd,
};

// The names the record keeps; they are the stored format and never change.
constexpr std::string_view ResultName(DealResult result) {
    switch (result) {
        case DealResult::Won:
            return "won";
        case DealResult::Lost:
            return "lost";
        case DealResult::GivenUp:
            return "given-up";
        case DealResult::Quit:
            return "quit";
        case DealResult::QuietEnd:
            return "quiet-end";
    }
    return "lost";
}

constexpr std::optional<DealResult> ResultNamed(std::string_view name) {
    for (const DealResult result :
         {DealResult::Won, DealResult::Lost, DealResult::GivenUp, DealResult::Quit, DealResult::QuietEnd}) {
        if (ResultName(result) == name) return result;
    }
    return std::nullopt;
}
