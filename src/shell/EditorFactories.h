#pragma once

#include <QStringList>
#include <QWidget>

// Each creates its window, lets it load, shows it not modally and returns it.
// Defined beside the windows they create.
QWidget* ShowMainMenu();        // frmMain
QWidget* ShowTextTroops();      // frmTextTroops
QWidget* ShowTextItems();       // frmTextItems
QWidget* ShowTextParties();     // frmTextParties
QWidget* ShowTextPartyTemp();   // frmTextPartyTemp
QWidget* ShowTextFactions();    // frmTextFactions
QWidget* ShowPythonTroops();    // frmPythonTroops
QWidget* ShowPythonItems();     // frmPythonItems
QWidget* ShowPythonPartyTemp(); // frmPythonPartyTemp

// Shows the result-message window modally with MsgTitle, MsgText and MsgEntry.
void ShowMessageWindow();
// Sets MsgTitle, MsgText and MsgEntry, then shows the result-message window:
// the outcome of an update or add, with the record as stored.
void ShowResult(const QString& title, const QString& text, const QString& entry);
// Shows line `index` of `lines`, the stored entry of the selected `kind`
// ("troop"), in the result-message window; nothing for an index outside.
void ShowStoredPythonEntry(const QString& kind, const QStringList& lines, int index);
// Shows the about window modally.
void ShowAboutWindow();
