#pragma once

#include <QString>

// Message boxes that more than one editor shows alike.

// Refuses what the user typed: an exclamation box titled "Information".
void RefuseInput(const QString& text);
// An information box titled "Information..." (help texts, confirmations).
void ShowInformation(const QString& text);
// The note that closes a rewrite of every entry of a module-system file
// ("All troops have been updated. ..."), telling how many entries (`singular`:
// "troop") could not be read completely and were left as they were.
void ShowRewriteAllDone(const QString& plural, const QString& singular, int skipped);
// How to get a face code from the game, behind the face-code button of both
// troop editors.
void ShowFaceCodeHelp();
