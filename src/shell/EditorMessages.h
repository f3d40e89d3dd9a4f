#pragma once

#include "module_system/PythonFieldKind.h"

#include <QString>

// Message boxes that more than one editor shows alike.

// Refuses what the user typed: an exclamation box titled "Information...".
void RefuseInput(const QString& text);
// An information box titled "Information..." (help texts, confirmations).
void ShowInformation(const QString& text);

// Refuses a field typed as the wrong kind of Python for `file`
// ("module_items.py"), naming the field and what it must hold.
void RefuseMistypedField(const QString& field, PyFieldKind kind, const QString& file);
// Refuses a field that would not read back from `file` as it was typed.
void RefuseUnreadableField(const QString& field, const QString& file);
// Tells that an update found nothing changed in the shown `entryKind`
// ("item"), so its entry in `file` stays as it was read.
void ShowEntryUnchanged(const QString& entryKind, const QString& file);
// The note that closes a rewrite of every entry of a module-system file
// ("All troops have been updated. ..."), telling how many entries (`singular`:
// "troop") were rewritten, how many read back with the same fields and were
// left as they were, and how many could not be read completely.
void ShowRewriteAllDone(const QString& plural, const QString& singular, int rewritten,
                        int unchanged, int skipped);
// How to get a face code from the game, behind the face-code button of both
// troop editors.
void ShowFaceCodeHelp();
