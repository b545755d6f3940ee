#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <utility>
#include <vector>

#include "FakeClock.h"
#include "help/HelpControl.h"
#include "help/HelpFuncs.h"
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

// A program folder and a per-user state folder of their own, the help control loaded, message
// boxes recorded instead of shown; everything is taken down again after the test.
class HelpSandbox {
public:
    HelpSandbox() : stateHome("XDG_STATE_HOME", QFile::encodeName(state.path())), clockGuard(clock) {
        QDir(program.path()).mkdir(QStringLiteral("bin"));
        previousBox = HelpPlatform::SetMessageBox(
            [this](const QString& caption, const QString& text) { messages.emplace_back(caption, text); });
        HelpControl::LoadHelpControl();
    }
    ~HelpSandbox() {
        HelpFuncs::Finish();
        HelpControl::UnloadHelpControl();
        HelpPlatform::SetMessageBox(previousBox);
    }

    // Runs the start steps as if the program lay in the sandbox's program folder.
    void Start(const QStringList& arguments) { HelpFuncs::Start(ProgramFolder() + QStringLiteral("/tvdl"), arguments); }
    // The bin folder of an installed tree, whose other folders the sandbox also holds.
    QString ProgramFolder() const { return program.path() + QStringLiteral("/bin"); }
    QString StateHome() const { return state.path(); }

    std::vector<std::pair<QString, QString>> messages;

private:
    QTemporaryDir program;
    QTemporaryDir state;
    ScopedEnvironment stateHome;
    FakeClock clock;
    ScopedClock clockGuard;
    HelpPlatform::MessageBoxFunction previousBox;
};
