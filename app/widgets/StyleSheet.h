#pragma once

#include <QString>

// The window's style sheet. Fields whose dynamic property `error` is true show red;
// read-only result fields show bold.
QString windowStyleSheet();
