#include "App.h"

void App::CheckNif0(const QString&) { }
void App::CheckNif1(const QString&) { }
