#pragma once

#include <QString>

// Writes a fresh data.db-style database at path (an existing file there is replaced):
// the six tables, the owner, and rowsPerTable rows in each of cap, femi, frec and ogei,
// in the stored forms the program writes. Dates are spread evenly over the twelve
// months of year. Used by the benchmarks to start the window on a large book.
void generateDatabase(const QString &path, int rowsPerTable, int year);
