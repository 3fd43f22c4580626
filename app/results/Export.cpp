#include "App.h"

void App::Send() { }
