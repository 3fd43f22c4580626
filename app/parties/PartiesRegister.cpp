#include "App.h"

void App::SearchNif0(const QString&) { }
void App::toggleEdit() { }
void App::prevC() { }
void App::nextC() { }
void App::Save1() { }
void App::Clear1() { }
void App::lookUpNif(const QString&) { }
void App::loadC(unsigned) { }
