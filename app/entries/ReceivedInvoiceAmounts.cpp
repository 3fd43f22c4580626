#include "App.h"

void App::IVA1(const QString&) { }
void App::calcRet1(const QString&) { }
