#pragma once

#include <QList>
#include <QStringList>

class ComboBox;

// Fills `combos` with the same `rows` once: every combo lists them (the member
// troop lists of a party or a template, thousands of rows each) and chooses
// none; each keeps its own chosen row. Runs no handler.
void ShareRows(const QList<ComboBox*>& combos, const QStringList& rows);
