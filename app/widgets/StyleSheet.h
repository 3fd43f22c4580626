#pragma once

#include <QString>

// The window's style sheet. Fields whose dynamic property `error` is true show red;
// read-only result fields show bold.
QString windowStyleSheet();

// The style sheet of the pop-ups (lists and calendars), set on each of them: dark text on
// white whatever the window's sheet gives frames, the highlighted item white on blue.
QString popUpStyleSheet();
