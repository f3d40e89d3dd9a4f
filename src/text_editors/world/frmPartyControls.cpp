#include "text_editors/world/frmPartyControls.h"

#include "platform/Failure.h"
#include "platform/TextFile.h"
#include "platform/gui/Controls.h"
#include "platform/gui/ToggleList.h"
#include "shell/EditorMessages.h"

#include <algorithm>

bool RefuseUnstorable(const QList<TypedWord>& words, const QString& file, TextCoding coding) {
    for (const TypedWord& word : words) {
        if (const QString c = FirstUnstorableChar(word.text, coding); !c.isEmpty()) {
            RefuseUnstorableChar(word.box, c, file);
            return true;
        }
    }
    return false;
}

void ShowRow(ComboBox* combo, int index, PendingFailure& failure, MinusOne minusOne) {
    combo->setListIndex(index);
    const bool noRow = (index == -1 && minusOne == MinusOne::MeansNoRow) || index == BeyondEveryRow;
    if (!noRow && (index < 0 || combo->listIndex() != index))
        failure.raise(Err::SubscriptOutOfRange);
}

void ShowOtherFileRow(ComboBox* combo, int index, PendingFailure& failure, MinusOne minusOne) {
    if (index >= combo->count())
        ShowIconRow(combo, index);
    else
        ShowRow(combo, index, failure, minusOne);
}

void ShowIconRow(ComboBox* combo, int icon) {
    combo->setListIndex(icon);
}

void PartyFlagControls::fillRows() const {
    QStringList flagRows;
    for (const PartyFlagRow& row : PartyFlagRows)
        flagRows.append(QLatin1String(row.text));
    flags->setRows(flagRows);
    QStringList levels;
    for (int level = 0; level < 16; ++level)
        levels.append(QString::number(level));
    for (ComboBox* list : {aggressiveness, courage}) {
        list->setRows(levels);
        list->setListIndex(0);
    }
}

void PartyFlagControls::show(const std::array<bool, PartyFlagCount>& rows,
                             const Personality& personality) const {
    flags->setValues(QList<bool>(rows.begin(), rows.end()));
    courage->setListIndex(personality.courage);
    aggressiveness->setListIndex(personality.aggressiveness);
    banditness->setValue(personality.banditness);
}

std::array<bool, PartyFlagCount> PartyFlagControls::rows() const {
    std::array<bool, PartyFlagCount> rows{};
    const QList<bool> on = flags->values();
    std::copy_n(on.begin(), std::min<qsizetype>(on.size(), PartyFlagCount), rows.begin());
    return rows;
}

Personality PartyFlagControls::personality() const {
    return {courage->listIndex(), aggressiveness->listIndex(), banditness->value()};
}
