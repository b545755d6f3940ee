#include "help/HelpSystem.h"

#include "help/TDLogFile.h"

HelpSystem::HelpSystem(Options chosen) : options(std::move(chosen)), messageBox(&HelpPlatform::MessageBox) {}

HelpSystem::~HelpSystem() {
    DropViewer();
}

void HelpSystem::SetHelpLog(std::unique_ptr<TDLogFile> log) {
    helpLog = std::move(log);
}

void HelpSystem::MakeViewer(const QStringList& arguments) {
    if (viewer) return;
    viewer = std::make_unique<HelpViewerProcess>(options.viewerProgram, arguments, options.limits);
    viewer->SetTroubleHandler([this](HelpViewerProcess::Trouble trouble) {
        if (troubleHandler) troubleHandler(trouble);
    });
}

void HelpSystem::DropViewer() {
    viewer.reset();
}

void HelpSystem::MessageBox(const QString& caption, const QString& text) const {
    if (messageBox) messageBox(caption, text);
}

HelpSystem::MessageBoxFunction HelpSystem::SetMessageBox(MessageBoxFunction function) {
    MessageBoxFunction previous = std::move(messageBox);
    messageBox = std::move(function);
    return previous;
}
