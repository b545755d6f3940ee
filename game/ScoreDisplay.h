#pragma once

// The strip beside the table: the score and whether a reshuffle can be asked for.
class ScoreDisplay {
public:
    virtual ~ScoreDisplay() = default;

    virtual void SetReshuffleEnabled(bool enabled) = 0;
    virtual void RefreshScore() = 0;
};
