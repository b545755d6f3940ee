#include <malloc.h>

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>

#include "app/CommandLine.h"
#include "app/SolverCommands.h"
#include "cards/CardSheets.h"
#include "game/DealPrinter.h"
#include "help/HelpModules.h"
#include "media/ToolTipFilter.h"
#include "platform/QuitSignals.h"
#include "ui/DialogLook.h"
#include "ui/GameSession.h"
#include "ui/TMainForm.h"

namespace {

void Print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

FairPlayer::Options PlayerOptions(const CommandLine& command) {
    FairPlayer::Options options;
    if (command.timeLimit) {
        options.timePerRound = std::chrono::milliseconds(
            std::max<std::int64_t>(1, static_cast<std::int64_t>(*command.timeLimit * 1000)));
    }
    return options;
}

// The answer of a command-line action that ends without a window; none for a game to play.
std::optional<int> RunCommand(const CommandLine& command) {
    switch (command.action) {
        case CommandLine::Action::Error:
            Print(stderr, command.error + QLatin1Char('\n'));
            return 2;
        case CommandLine::Action::Help:
            Print(stdout, CommandLine::Usage());
            return 0;
        case CommandLine::Action::Version:
            Print(stdout, CommandLine::Version());
            return 0;
        case CommandLine::Action::PrintDeal:
            Print(stdout, DealText(*command.deal));
            return 0;
        case CommandLine::Action::Solve:
            Print(stdout, SolveText(*command.deal, PlayerOptions(command)));
            return 0;
        case CommandLine::Action::Winnability: {
            TableRequest request;
            request.first = command.firstDeal;
            request.last = command.lastDeal;
            request.csvPath = command.csvPath;
            request.threads = command.threads;
            request.player = PlayerOptions(command);
            return RunWinnability(request, stdout, stderr);
        }
        case CommandLine::Action::Play:
            break;
    }
    return std::nullopt;
}

int Play(int argc, char** argv, const CommandLine& command) {
    // After every move the hint searches on a thread of its own, in tables of up to tens of
    // megabytes. Once glibc has seen such a block freed it raises its threshold and keeps later
    // ones in the thread's arena for good, so that a long game ends up holding a whole search in
    // each of several arenas. With the threshold fixed, blocks of a megabyte and more go back to
    // the system when freed, and so does free memory at the top of an arena past the default
    // trim threshold, which would otherwise have been raised with it.
#ifdef __GLIBC__
    mallopt(M_MMAP_THRESHOLD, 1 << 20);
#endif
    QApplication app(argc, argv);
    // Before any window: the trace log (the help viewer starts when help is first asked for);
    // taken down after the last window, the viewer with it.
    HelpModules helpModules;
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.TorvikVandrel"));
    InstallFontSubstitutions();
    // Every control's tooltip takes the shaped look, also in dialogs made later.
    ToolTipFilter toolTips;
    // The card sheets load when the first card is drawn: the window opens with an empty table.
    // A logout, Ctrl-C or a closed terminal ends the game the orderly way, storing everything; one
    // that comes while the window is being taken down changes nothing.
    QuitSignals quitSignals;
    int result = 0;
    {
        SessionServices services;
        services.help = &helpModules.System();
        // The main window makes its dialogs and destroys them before itself.
        TMainForm mainForm(std::move(services));
        QObject::connect(&quitSignals, &QuitSignals::Received, &mainForm,
                         [&mainForm] { mainForm.Session().EndWithoutQuestions(); });
        if (command.deal) mainForm.Session().SeedWith(*command.deal);
        mainForm.show();
        result = app.exec();
    }
    CardSheets::Release();
    return result;
}

}  // namespace

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine command = CommandLine::Parse(arguments);
    if (const std::optional<int> answer = RunCommand(command)) return *answer;
    return Play(argc, argv, command);
}
