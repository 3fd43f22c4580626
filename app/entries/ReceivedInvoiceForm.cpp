#include "App.h"

void App::SearchNfr() { }
void App::Save3() { }
void App::Clear3() { }
void App::cm1(int) { }
void App::cc1(int) { }
void App::tf1(int) { }
void App::isp1(int) { }
void App::crit1(int) { }
void App::ret1(int) { }
void App::pyo1(int) { }
void App::alq1(int) { }
void App::invs(int) { }
void App::resetReceivedPage() { }
