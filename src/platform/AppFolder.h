#pragma once

#include <QString>

// Separator appended to folders where the program builds paths ("/" here).
inline const QString PathSeparator = QStringLiteral("/");

// The folder that holds the program file, without a closing separator.
QString ProgramFolder();
// Tests point the program at a folder of their own; empty: the real one again.
void SetProgramFolder(const QString& folder);

// ProgramFolder() + PathSeparator + "config.ini".
QString ConfigFilePath();
