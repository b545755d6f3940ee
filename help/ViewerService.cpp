#include "help/ViewerService.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <cerrno>

ViewerService::ViewerService(int input, int out, const QString& controlName, const QString& controlPath)
    : output(out), chmLoaded(chm.Load(controlName, controlPath)), windows(chm.Api()) {
    notifier = new QSocketNotifier(input, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &ViewerService::ReadCommands);
}

ViewerService::~ViewerService() = default;

void ViewerService::ReadCommands() {
    char buffer[4096];
    const ssize_t got = ::read(static_cast<int>(notifier->socket()), buffer, sizeof buffer);
    if (got < 0 && (errno == EINTR || errno == EAGAIN)) return;
    if (got <= 0) {
        // The game has gone or closed its end: nobody can ask for help any more.
        notifier->setEnabled(false);
        QCoreApplication::quit();
        return;
    }
    reader.Feed(QByteArrayView(buffer, got));
    QByteArray line;
    while (reader.Next(line)) Handle(line);
    if (reader.Broken()) QCoreApplication::quit();
}

void ViewerService::Handle(QByteArrayView line) {
    const ViewerProtocol::ParsedCommand command = ViewerProtocol::ParseCommand(line);
    switch (command.command) {
        case ViewerProtocol::Command::Open:
            if (!chmLoaded) {
                Reply(ViewerProtocol::Reply::NoControl);
            } else {
                switch (windows.Show(command.path, command.context)) {
                    case HelpWindows::Outcome::Shown:
                        Reply(ViewerProtocol::Reply::Shown);
                        break;
                    case HelpWindows::Outcome::Missing:
                        Reply(ViewerProtocol::Reply::Missing);
                        break;
                    case HelpWindows::Outcome::Damaged:
                        Reply(ViewerProtocol::Reply::Damaged);
                        break;
                }
            }
            break;
        case ViewerProtocol::Command::Ping:
            Reply(ViewerProtocol::Reply::Pong);
            break;
        case ViewerProtocol::Command::Close:
            windows.CloseAll();
            QCoreApplication::quit();
            break;
        case ViewerProtocol::Command::Unknown:
            break;
    }
}

void ViewerService::Reply(ViewerProtocol::Reply reply) {
    const QByteArray line = ViewerProtocol::ReplyLine(reply);
    const char* data = line.constData();
    qsizetype left = line.size();
    while (left > 0) {
        const ssize_t written = ::write(output, data, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            // Nobody listens any more.
            QCoreApplication::quit();
            return;
        }
        data += written;
        left -= written;
    }
}
