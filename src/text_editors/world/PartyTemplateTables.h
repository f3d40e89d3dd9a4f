#pragma once

#include <QString>
#include <QStringList>

// What the party-template editor does to the program-wide template tables
// (modTextPartyTemp), and the row texts of its lists, apart from any window.

// The template list as it opens: "i - id" for every template.
QStringList TemplateListRows();
// Row i once template i has been updated: "i - id  (name)".
QString UpdatedTemplateRow(int i);
// The member troop lists: "0.  None", then "i.  id  (name)" for troops 1 to
// TroopMax; the row is the troop index a member stores.
QStringList TemplateTroopRows();

// Replaces the line of template i and the id and name other lists show.
void StoreTemplate(int i, const QString& line, const QString& id, const QString& name);
