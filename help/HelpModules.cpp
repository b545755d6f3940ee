#include "help/HelpModules.h"

#include "help/HelpControl.h"
#include "help/HelpFuncs.h"

HelpModules::HelpModules() {
    HelpControl::LoadHelpControl();
    HelpFuncs::Start();
}

HelpModules::~HelpModules() {
    HelpFuncs::Finish();
    HelpControl::UnloadHelpControl();
}
