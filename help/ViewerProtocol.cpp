#include "help/ViewerProtocol.h"

#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<ViewerProtocol::Reply, const char*>, 5> replyWords{{
    {ViewerProtocol::Reply::Shown, "shown"},
    {ViewerProtocol::Reply::Missing, "missing"},
    {ViewerProtocol::Reply::Damaged, "damaged"},
    {ViewerProtocol::Reply::NoControl, "nocontrol"},
    {ViewerProtocol::Reply::Pong, "pong"},
}};

}  // namespace

QByteArray ViewerProtocol::OpenLine(std::int32_t context, const QString& path) {
    const QByteArray bytes = path.toUtf8();
    if (bytes.isEmpty() || bytes.contains('\n') || bytes.contains('\r')) return {};
    QByteArray line = "open " + QByteArray::number(context) + ' ' + bytes + '\n';
    return line.size() <= LongestCommand ? line : QByteArray();
}

QByteArray ViewerProtocol::PingLine() {
    return QByteArrayLiteral("ping\n");
}

QByteArray ViewerProtocol::CloseLine() {
    return QByteArrayLiteral("close\n");
}

QByteArray ViewerProtocol::ReplyLine(Reply reply) {
    for (const auto& [known, word] : replyWords) {
        if (known == reply) return QByteArray(word) + '\n';
    }
    return {};
}

ViewerProtocol::ParsedCommand ViewerProtocol::ParseCommand(QByteArrayView line) {
    ParsedCommand parsed;
    if (line == "ping") {
        parsed.command = Command::Ping;
    } else if (line == "close") {
        parsed.command = Command::Close;
    } else if (line.startsWith("open ")) {
        const QByteArrayView rest = line.sliced(5);
        const qsizetype blank = rest.indexOf(' ');
        bool ok = false;
        const int context = blank > 0 ? rest.first(blank).toInt(&ok) : 0;
        if (ok && blank + 1 < rest.size()) {
            parsed.command = Command::Open;
            parsed.context = context;
            parsed.path = QString::fromUtf8(rest.sliced(blank + 1));
        }
    }
    return parsed;
}

ViewerProtocol::Reply ViewerProtocol::ParseReply(QByteArrayView line) {
    for (const auto& [reply, word] : replyWords) {
        if (line == word) return reply;
    }
    return Reply::Unknown;
}
