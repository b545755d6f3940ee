#pragma once

// What the course of the deals asks and tells the player, each in a box of its own.
class PlayerQuestions {
public:
    virtual ~PlayerQuestions() = default;

    // Asks whether to give up the deal in play; true only for Yes.
    virtual bool ConfirmGiveUp() = 0;
    virtual void ShowWonMessage() = 0;
};
