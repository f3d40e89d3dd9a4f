#pragma once

#include <QString>

// Message boxes that more than one editor shows alike.

// Refuses what the user typed: an exclamation box titled "Information".
void RefuseInput(const QString& text);
// An information box titled "Information..." (help texts, confirmations).
void ShowInformation(const QString& text);
// How to get a face code from the game, behind the face-code button of both
// troop editors.
void ShowFaceCodeHelp();
