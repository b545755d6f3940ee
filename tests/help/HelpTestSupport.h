#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <utility>
#include <vector>

#include "FakeClock.h"
#include "help/HelpApi.h"
#include "help/HelpFuncs.h"
#include "help/HelpModules.h"
#include "help/HelpPlatform.h"
#include "platform/Clock.h"

// Sets an environment variable for one test and puts the old value back after.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const QByteArray& value)
        : variable(name), had(qEnvironmentVariableIsSet(name)), old(qgetenv(name)) {
        qputenv(name, value);
    }
    ~ScopedEnvironment() {
        if (had) {
            qputenv(variable, old);
        } else {
            qunsetenv(variable);
        }
    }

private:
    const char* variable;
    bool had;
    QByteArray old;
};

// A program folder and a per-user state folder of their own, the help modules of a program,
// message boxes recorded instead of shown; everything is taken down again after the test.
class HelpSandbox {
public:
    // A loaded machine may take its time to start a viewer built with the sanitizers.
    explicit HelpSandbox(HelpViewerProcess::Limits limits = {30000, 10000},
                         const QString& viewer = QStringLiteral(TVDL_HELP_VIEWER))
        : stateHome("XDG_STATE_HOME", QFile::encodeName(state.path())),
          clockGuard(clock),
          modules(HelpSystem::Options{viewer, limits}) {
        QDir(program.path()).mkdir(QStringLiteral("bin"));
        modules.System().SetMessageBox(
            [this](const QString& caption, const QString& text) { messages.emplace_back(caption, text); });
    }

    // Runs the start steps as if the program lay in the sandbox's program folder.
    void Start(const QStringList& arguments) {
        Funcs().Start(ProgramFolder() + QStringLiteral("/tvdl"), arguments);
    }
    HelpSystem& System() { return modules.System(); }
    HelpFuncs Funcs() { return HelpFuncs(System()); }
    HelpApi Api() { return HelpApi(System()); }
    // The bin folder of an installed tree, whose other folders the sandbox also holds.
    QString ProgramFolder() const { return program.path() + QStringLiteral("/bin"); }
    QString StateHome() const { return state.path(); }
    HelpViewerProcess* Viewer() { return System().Viewer(); }
    // Until the viewer has answered everything asked, or has ended, and what it said has been
    // told; false when that takes more than a generous bound.
    bool Settle() {
        const bool settled = QTest::qWaitFor(
            [this] { return !Viewer() || !Viewer()->Running() || !Viewer()->Awaiting(); }, 40000);
        QCoreApplication::processEvents();
        return settled;
    }
    bool ViewerEnds() {
        return QTest::qWaitFor([this] { return !Viewer() || !Viewer()->Running(); }, 40000);
    }

    std::vector<std::pair<QString, QString>> messages;

private:
    QTemporaryDir program;
    QTemporaryDir state;
    ScopedEnvironment stateHome;
    FakeClock clock;
    ScopedClock clockGuard;
    HelpModules modules;
};
