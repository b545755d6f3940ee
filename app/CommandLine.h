#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

// What the program was asked to do on its command line.
struct CommandLine {
    enum class Action { Play, PrintDeal, Help, Version, Error };

    Action action = Action::Play;
    // The deal to start with (Play) or to print (PrintDeal); none means a seed from the clock.
    std::optional<std::uint32_t> deal;
    // One line for stderr when action is Error.
    QString error;

    // Arguments without the program name.
    static CommandLine Parse(const QStringList& arguments);
    static QString Usage();
    static QString Version();
};
