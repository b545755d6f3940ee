#include "help/HelpViewerProcess.h"

#include <sys/prctl.h>

#include <csignal>

HelpViewerProcess::HelpViewerProcess(const QString& viewer, const QStringList& viewerArguments, Limits chosen)
    : program(viewer), arguments(viewerArguments), limits(chosen) {
    deadline.setSingleShot(true);
    connect(&deadline, &QTimer::timeout, this, &HelpViewerProcess::Expired);
    connect(&heartbeat, &QTimer::timeout, this, &HelpViewerProcess::Ping);
}

HelpViewerProcess::~HelpViewerProcess() {
    Stop();
}

void HelpViewerProcess::SetTroubleHandler(TroubleHandler handler) {
    troubleHandler = std::move(handler);
}

bool HelpViewerProcess::Running() const {
    return process && process->state() != QProcess::NotRunning;
}

qint64 HelpViewerProcess::ProcessId() const {
    return process ? process->processId() : 0;
}

void HelpViewerProcess::Open(const QString& path, std::int32_t context) {
    const QByteArray line = ViewerProtocol::OpenLine(context, path);
    // No file has such a name.
    if (line.isEmpty()) return;
    // A viewer that is closing has stopped listening: a new one takes over.
    if (closing) Release(true);
    if (!process) Start();
    Send(line);
}

void HelpViewerProcess::CloseAll() {
    if (!process || closing) return;
    closing = true;
    heartbeat.stop();
    process->write(ViewerProtocol::CloseLine());
    process->closeWriteChannel();
    // A viewer that does not end is ended.
    deadline.start(limits.replyMs);
}

void HelpViewerProcess::Stop() {
    if (!process) return;
    QProcess* ending = process;
    ending->disconnect(this);
    process = nullptr;
    deadline.stop();
    heartbeat.stop();
    if (ending->state() != QProcess::NotRunning) {
        if (!closing) {
            ending->write(ViewerProtocol::CloseLine());
            ending->closeWriteChannel();
        }
        if (!ending->waitForFinished(1000)) {
            ending->kill();
            ending->waitForFinished(1000);
        }
    }
    closing = false;
    delete ending;
}

void HelpViewerProcess::Start() {
    process = new QProcess(this);
    process->setProgram(program);
    process->setArguments(arguments);
    // The viewer's warnings belong on the game's standard error; only replies come back.
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // A viewer must not outlive a game that was killed before it could close it.
    process->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    connect(process, &QProcess::readyReadStandardOutput, this, &HelpViewerProcess::ReadReplies);
    connect(process, &QProcess::finished, this, &HelpViewerProcess::Ended);
    connect(process, &QProcess::errorOccurred, this, &HelpViewerProcess::Failed);
    replies = LineReader(ViewerProtocol::LongestReply);
    awaiting = 0;
    closing = false;
    reported = false;
    shown = false;
    heartbeat.start(limits.pingMs);
    process->start();
}

void HelpViewerProcess::Send(const QByteArray& line) {
    if (!process) return;
    process->write(line);
    if (awaiting++ == 0) deadline.start(limits.replyMs);
}

void HelpViewerProcess::ReadReplies() {
    if (!process) return;
    replies.Feed(process->readAllStandardOutput());
    QByteArray line;
    bool answered = false;
    while (replies.Next(line)) {
        const ViewerProtocol::Reply reply = ViewerProtocol::ParseReply(line);
        if (reply == ViewerProtocol::Reply::Unknown) continue;
        answered = true;
        if (awaiting > 0) --awaiting;
        if (reply == ViewerProtocol::Reply::Shown) shown = true;
        if (reply == ViewerProtocol::Reply::Damaged) Report(Trouble::Damaged);
        if (reply == ViewerProtocol::Reply::NoControl) Report(Trouble::NotInstalled);
        // A viewer that never showed a window has nothing to keep it: the next request starts
        // afresh, with the file as it is then.
        const bool failed = reply == ViewerProtocol::Reply::Damaged ||
                            reply == ViewerProtocol::Reply::Missing ||
                            reply == ViewerProtocol::Reply::NoControl;
        if (failed && !shown && !closing) CloseAll();
    }
    if (replies.Broken()) {
        // It no longer speaks the protocol: whatever it was reading has broken it.
        Report(Trouble::Damaged);
        Release(true);
        return;
    }
    // Only answers count as life: chatter does not put the deadline off.
    if (closing || !answered) return;
    if (awaiting == 0) {
        deadline.stop();
    } else {
        deadline.start(limits.replyMs);
    }
}

void HelpViewerProcess::Ended(int exitCode, QProcess::ExitStatus status) {
    if (!closing) {
        // A signal that someone sends to end a process is no sign of a damaged file; a fault is.
        const bool endedByHand =
            status == QProcess::CrashExit &&
            (exitCode == SIGTERM || exitCode == SIGKILL || exitCode == SIGINT || exitCode == SIGHUP);
        const bool clean = status == QProcess::NormalExit && exitCode == 0;
        if (!clean && !endedByHand) Report(Trouble::Damaged);
    }
    Release(false);
}

void HelpViewerProcess::Failed(QProcess::ProcessError error) {
    // Faults after the start arrive as the end of the process.
    if (error != QProcess::FailedToStart) return;
    Report(Trouble::NotInstalled);
    Release(false);
}

void HelpViewerProcess::Expired() {
    // A viewer that answers nothing in time hangs; one that was asked to close is only slow.
    if (!closing) Report(Trouble::Damaged);
    Release(true);
}

void HelpViewerProcess::Ping() {
    if (process && !closing && awaiting == 0) Send(ViewerProtocol::PingLine());
}

void HelpViewerProcess::Release(bool kill) {
    deadline.stop();
    heartbeat.stop();
    closing = false;
    awaiting = 0;
    if (!process) return;
    QProcess* released = process;
    process = nullptr;
    released->disconnect(this);
    if (released->state() == QProcess::NotRunning) {
        released->deleteLater();
        return;
    }
    connect(released, &QProcess::finished, released, &QObject::deleteLater);
    if (kill) released->kill();
}

void HelpViewerProcess::Report(Trouble trouble) {
    if (reported) return;
    reported = true;
    // The handler may show a modal message: it runs from the event loop, after this request.
    QMetaObject::invokeMethod(
        this,
        [this, trouble] {
            if (troubleHandler) troubleHandler(trouble);
        },
        Qt::QueuedConnection);
}
