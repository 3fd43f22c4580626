#include "App.h"

void App::IVA0(const QString&) { }
void App::calcRE(const QString&) { }
void App::calcRet0(const QString&) { }
