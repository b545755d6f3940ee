#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <cstdint>

// What the game and its help viewer process say to each other: one line per message, the game's
// commands on the viewer's standard input and one reply per command on its standard output
// ("close" has none: the viewer ends).
//
//   open <context> <path>   show the topic of the context number, the window in front
//                           -> shown | missing | damaged | nocontrol
//   ping                    -> pong
//   close                   close every window and end
class ViewerProtocol {
public:
    enum class Command { Open, Ping, Close, Unknown };
    enum class Reply { Shown, Missing, Damaged, NoControl, Pong, Unknown };

    // The longest line either side reads; anything longer is not a message of this protocol.
    static constexpr qsizetype LongestCommand = 8192;
    static constexpr qsizetype LongestReply = 64;

    // Empty when the path cannot travel on one line.
    static QByteArray OpenLine(std::int32_t context, const QString& path);
    static QByteArray PingLine();
    static QByteArray CloseLine();
    static QByteArray ReplyLine(Reply reply);

    struct ParsedCommand {
        Command command = Command::Unknown;
        std::int32_t context = 0;
        QString path;
    };
    // A line without its end.
    static ParsedCommand ParseCommand(QByteArrayView line);
    static Reply ParseReply(QByteArrayView line);
};
