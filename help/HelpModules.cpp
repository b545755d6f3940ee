#include "help/HelpModules.h"

#include <QCoreApplication>

#include "help/HelpControl.h"
#include "help/HelpFuncs.h"

HelpModules::HelpModules()
    : HelpModules(
          HelpSystem::Options{HelpPlatform::ViewerProgram(QCoreApplication::applicationDirPath()), {}}) {}

HelpModules::HelpModules(HelpSystem::Options options) : system(std::move(options)) {
    system.SetTroubleHandler([this](HelpViewerProcess::Trouble trouble) {
        HelpFuncs(system).HHShowError(trouble == HelpViewerProcess::Trouble::NotInstalled
                                          ? HelpFuncs::NotInstalled
                                          : HelpFuncs::Damaged);
    });
    HelpFuncs(system).Start();
}

HelpModules::~HelpModules() {
    HelpFuncs(system).Finish();
    HelpControl(system).UnloadHelpControl();
}
