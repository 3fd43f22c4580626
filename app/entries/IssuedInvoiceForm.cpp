#include "App.h"

void App::SearchNfe() { }
void App::Save2() { }
void App::Clear2() { }
void App::cc0(int) { }
void App::tf0(int) { }
void App::cm0(int) { }
void App::rec(int) { }
void App::isp0(int) { }
void App::ret0(int) { }
void App::alq0(int) { }
void App::pyo0(int) { }
void App::crit0(int) { }
void App::vin(int) { }
void App::resetIssuedPage() { }
