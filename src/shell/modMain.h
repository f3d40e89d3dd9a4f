#pragma once

#include "platform/Failure.h"

#include <QString>

#include <cstdint>

// Program-wide settings, set by Main from config.ini and by the settings window.
extern QString SetupMode;             // "0" not set up, "1" module system, "2" text, "3" both
extern QString ModuleFolder;          // ends in PathSeparator; file names are appended
extern QString ModuleSystemDirectory; // ends in PathSeparator; file names are appended
extern std::int16_t ListFontSize;     // 8 unless config.ini says otherwise
extern std::int16_t ScreenWidth;      // 1024 unless config.ini says otherwise
extern bool SetupRequired;
extern QString GameFolder;    // no setting fills it
extern QString BrfEditorPath; // no setting fills it

// Caption, text and copyable record of the result-message window frmMessage.
extern QString MsgTitle;
extern QString MsgText;
extern QString MsgEntry;

// The program title and version as every caption shows them.
inline const QString ProgramTitle = QStringLiteral("Quenby's Corvane Orvath/Kelbrin Editor");
inline const QString ProgramVersion = QStringLiteral("v1.40");
// The program title, a blank, the version and the window's own suffix.
inline QString WindowCaption(const QString& suffix = QString()) {
    return ProgramTitle + QLatin1Char(' ') + ProgramVersion + suffix;
}

// The one error report of the program: a critical box titled "Error..." naming
// the failure number and the procedure; a `detail` (the system's reason, what
// became of the file) follows the explanation after an empty line.
void ReportError(int errNumber, const QString& procName, const QString& detail = QString());
// Reports the failure, with its detail, if one is pending; returns whether it
// reported.
bool ReportPending(const PendingFailure& failure, const QString& procName);
