#pragma once

#include <QStringList>

// The file that holds every record, in the working directory.
inline constexpr char DatabaseFileName[] = "data.db";

// The statements that create the six tables, in the order they are run.
const QStringList& schemaStatements();

// The fixed text of a connection that cannot be opened.
QString connectionFailedText();
