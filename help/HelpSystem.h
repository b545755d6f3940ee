#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

#include "base/Language.h"
#include "help/HelpModuleState.h"
#include "help/HelpViewerProcess.h"

class TDLogFile;

// Everything the help modules keep for the run, in the one object HelpModules owns and hands to
// whoever asks for help: what they learn at start, the trace log, the handler of the
// application's help requests, the help viewer's process (made on the first request), where
// messages go and in which language.
class HelpSystem {
public:
    using RequestHandler =
        std::function<bool(std::uint16_t command, std::int32_t data, bool& letToolkitHelp)>;
    using MessageBoxFunction = std::function<void(const QString& caption, const QString& text)>;
    struct Options {
        QString viewerProgram;
        HelpViewerProcess::Limits limits;
    };

    explicit HelpSystem(Options options);
    ~HelpSystem();
    HelpSystem(const HelpSystem&) = delete;
    HelpSystem& operator=(const HelpSystem&) = delete;

    HelpModuleState& Module() { return module; }
    TDLogFile* HelpLog() const { return helpLog.get(); }
    void SetHelpLog(std::unique_ptr<TDLogFile> log);

    const RequestHandler& OnHelp() const { return onHelp; }
    void SetOnHelp(RequestHandler handler) { onHelp = std::move(handler); }

    // None until the help control is loaded.
    HelpViewerProcess* Viewer() const { return viewer.get(); }
    void MakeViewer(const QStringList& arguments);
    void DropViewer();
    // What the player is told when the viewer is in trouble.
    void SetTroubleHandler(HelpViewerProcess::TroubleHandler handler) { troubleHandler = std::move(handler); }

    void MessageBox(const QString& caption, const QString& text) const;
    // Returns the function that was in place.
    MessageBoxFunction SetMessageBox(MessageBoxFunction function);

    // The player's language for the messages; English when no one says.
    Language MessageLanguage() const { return language ? *language : Language::English; }
    void SetLanguage(const Language* playerLanguage) { language = playerLanguage; }

private:
    Options options;
    HelpModuleState module;
    std::unique_ptr<TDLogFile> helpLog;
    RequestHandler onHelp;
    std::unique_ptr<HelpViewerProcess> viewer;
    HelpViewerProcess::TroubleHandler troubleHandler;
    MessageBoxFunction messageBox;
    const Language* language = nullptr;
};
