#pragma once

#include <QObject>
#include <QProcess>
#include <QStringList>
#include <QTimer>
#include <cstdint>
#include <functional>

#include "help/LineReader.h"
#include "help/ViewerProtocol.h"

// The help viewer's process as the game sees it: started on a request when none runs and told
// over a pipe what to show. The game's thread never waits for it, except for a short, bounded
// wait when the program ends. Whatever the viewer does (crash, hang, talk nonsense, never start)
// ends at worst in its process being ended and one report of the trouble; the next request
// starts a new process.
class HelpViewerProcess : public QObject {
    Q_OBJECT

public:
    enum class Trouble { NotInstalled, Damaged };
    using TroubleHandler = std::function<void(Trouble)>;
    struct Limits {
        // The longest wait for an answer; the first one includes the start of the process.
        int replyMs = 10000;
        // How often a viewer with nothing left to answer is asked whether it still answers.
        int pingMs = 5000;
    };

    HelpViewerProcess(const QString& program, const QStringList& arguments, Limits limits);
    ~HelpViewerProcess() override;
    HelpViewerProcess(const HelpViewerProcess&) = delete;
    HelpViewerProcess& operator=(const HelpViewerProcess&) = delete;

    // Called from the event loop, never from inside a request.
    void SetTroubleHandler(TroubleHandler handler);
    bool Running() const;
    // 0 when no process runs.
    qint64 ProcessId() const;
    // Whether a command still waits for the viewer's answer.
    bool Awaiting() const { return awaiting > 0; }

    // Shows the topic of the context number from `path` ("file" or "file>window").
    void Open(const QString& path, std::int32_t context);
    // Asks the viewer to close its windows and end, and returns at once.
    void CloseAll();
    // Ends the process for good: asks, waits a moment, then kills. For the program's end.
    void Stop();

private:
    void Start();
    void Send(const QByteArray& line);
    void ReadReplies();
    void Ended(int exitCode, QProcess::ExitStatus status);
    void Failed(QProcess::ProcessError error);
    void Expired();
    void Ping();
    // Lets go of the process: it is deleted once it has ended, and nothing it does reaches us.
    void Release(bool kill);
    void Report(Trouble trouble);

    QString program;
    QStringList arguments;
    Limits limits;
    TroubleHandler troubleHandler;
    QProcess* process = nullptr;
    LineReader replies{ViewerProtocol::LongestReply};
    // Commands sent that wait for their answer.
    int awaiting = 0;
    bool closing = false;
    bool reported = false;
    bool shown = false;
    QTimer deadline;
    QTimer heartbeat;
};
