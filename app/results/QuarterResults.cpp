#include "App.h"

void App::tri(int) { }
void App::result(int) { }
void App::compensar(const QString&) { }
void App::updatePie(const QString&) { }
