// The help viewer program. The game starts it with the help control's name and place as its
// arguments, and drives it through its standard input and output (see help/ViewerProtocol.h).

#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <csignal>

#include "help/ViewerService.h"

int main(int argc, char** argv) {
    // Ending the viewer is the game's business: a terminal's Ctrl-C or hang-up reaches the game,
    // which closes the viewer on its way out.
    std::signal(SIGINT, SIG_IGN);
    std::signal(SIGHUP, SIG_IGN);
    std::signal(SIGPIPE, SIG_IGN);
    // Replies go out through a private copy of standard output; whatever a library prints goes to
    // standard error instead of into the game's pipe.
    const int replies = ::fcntl(STDOUT_FILENO, F_DUPFD_CLOEXEC, 3);
    ::dup2(STDERR_FILENO, STDOUT_FILENO);

    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const QString controlName = arguments.value(1, QStringLiteral("libchm.so.1"));
    const QString controlPath = arguments.value(2);
    ViewerService service(STDIN_FILENO, replies, controlName, controlPath);
    return app.exec();
}
