#include <QApplication>

#include <cstdio>
#include <memory>

#include "app/CommandLine.h"
#include "app/SolverCommands.h"
#include "cards/CardSheets.h"
#include "game/DealPrinter.h"
#include "platform/Clock.h"
#include "ui/DialogLook.h"
#include "ui/TEndGameDlg.h"
#include "ui/TFreewareDlg.h"
#include "ui/TGiveUpDlg.h"
#include "ui/TMainForm.h"
#include "ui/TTongueDlg.h"
#include "ui/TWonDlg.h"

namespace {

void Print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

}  // namespace

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine command = CommandLine::Parse(arguments);
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
            Print(stdout, SolveText(*command.deal, FairPlayer::Options{}));
            return 0;
        case CommandLine::Action::Winnability:
            return RunWinnability(command.firstDeal, command.lastDeal, command.csvPath, stdout, stderr);
        case CommandLine::Action::Play:
            break;
    }

    QApplication app(argc, argv);
    InstallFontSubstitutions();
    CardSheets::Load();
    SystemClock clock;
    int result = 0;
    {
        // Created in this order and destroyed in the reverse one, the main window last, so the
        // dialogs can still reach what it owns while they go.
        TMainForm mainForm(clock);
        if (command.deal) mainForm.SeedWith(*command.deal);
        Language& language = mainForm.CurrentLanguage();
        auto about = std::make_unique<TFreewareDlg>(&mainForm, language);
        auto tongue = std::make_unique<TTongueDlg>(&mainForm, language);
        auto endGame = std::make_unique<TEndGameDlg>(&mainForm, language);
        auto giveUp = std::make_unique<TGiveUpDlg>(&mainForm, language);
        auto won = std::make_unique<TWonDlg>(&mainForm, language);
        mainForm.SetDialogs({about.get(), tongue.get(), endGame.get(), giveUp.get(), won.get()});
        mainForm.show();
        result = app.exec();
        mainForm.SetDialogs({});
    }
    CardSheets::Release();
    return result;
}
