#include "App.h"

void App::Save4() { }
void App::cc2(int) { }
