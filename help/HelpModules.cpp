#include "help/HelpModules.h"

#include <QCoreApplication>

#include "help/HelpControl.h"
#include "help/HelpFuncs.h"

HelpModules::HelpModules()
    : HelpModules(
          HelpSystem::Options{HelpPlatform::ViewerProgram(QCoreApplication::applicationDirPath()), {}}) {}

HelpModules::HelpModules(HelpSystem::Options options)
    : system(std::make_unique<HelpSystem>(std::move(options))) {
    system->SetTroubleHandler([](HelpViewerProcess::Trouble trouble) {
        HelpFuncs::HHShowError(trouble == HelpViewerProcess::Trouble::NotInstalled ? HelpFuncs::NotInstalled
                                                                                   : HelpFuncs::Damaged);
    });
    HelpFuncs::Start();
}

HelpModules::~HelpModules() {
    HelpFuncs::Finish();
    HelpControl::UnloadHelpControl();
}
