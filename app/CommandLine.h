#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

// What the program was asked to do on its command line.
struct CommandLine {
    enum class Action { Play, PrintDeal, Solve, Winnability, Help, Version, Error };

    Action action = Action::Play;
    // The deal to start with (Play), to print (PrintDeal) or to solve (Solve); none means a seed from the
    // clock.
    std::optional<std::uint32_t> deal;
    // The deals to play for Winnability, first to last inclusive, and where to write one row each.
    std::uint32_t firstDeal = 0;
    std::uint32_t lastDeal = 0;
    QString csvPath;
    // A wall-clock guard per round of the solver, in seconds (--solve, --winnability); none by
    // default, so that answers do not depend on the machine.
    std::optional<double> timeLimit;
    // Worker threads for Winnability; 0 means one per core.
    unsigned threads = 0;
    // One line for stderr when action is Error.
    QString error;

    // Arguments without the program name.
    static CommandLine Parse(const QStringList& arguments);
    static QString Usage();
    static QString Version();
};
