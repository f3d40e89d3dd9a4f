#include "text_editors/world/PartyTables.h"

#include "text_editors/RecordRows.h"
#include "textfiles/modTextFiles.h"
#include "textfiles/modTextParties.h"
#include "textfiles/modTextPartyTemp.h"

namespace {

QString DashRow(int i, const IdNamePair& pair) {
    return QString::number(i) + QStringLiteral(" - ") + pair.Id + QStringLiteral("  (") +
           pair.Name + QStringLiteral(")");
}

} // namespace

QString PartyListCaption() {
    return QStringLiteral("List of Parties (") + QString::number(PartyCount) + QStringLiteral(")");
}

QStringList PartyListRows() {
    QStringList rows;
    rows.reserve(PartyCount);
    for (int i = 0; i < PartyCount; ++i)
        rows.append(RecordRow(i, PartyIDs.at(i).Id, PartyIDs.at(i).Name));
    return rows;
}

QString UpdatedPartyRow(int i) {
    return DashRow(i, PartyIDs.at(i));
}

QStringList TargetComboRows() {
    QStringList rows;
    rows.reserve(PartyCount);
    for (int i = 0; i < PartyCount; ++i)
        rows.append(TargetComboRow(i));
    return rows;
}

QString TargetComboRow(int i) {
    return QString::number(i) + QStringLiteral(".  ") + PartyIDs.at(i).Id;
}

QStringList TemplateComboRows() {
    QStringList rows;
    rows.reserve(PartyTempCount);
    for (int i = 0; i < PartyTempCount; ++i)
        rows.append(DashRow(i, PartyTempIDs.at(i)));
    return rows;
}

void StoreParty(int i, const QString& line) {
    PartyLine[i] = line;
    PartyIDs[i] = {LineWord(line, 4).value_or(QString()), LineWord(line, 5).value_or(QString())};
}
