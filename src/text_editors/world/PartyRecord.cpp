#include "text_editors/world/PartyRecord.h"

#include "text_editors/world/WorldWords.h"

#include <QStringList>

#include <algorithm>

namespace {

enum PartyWord {
    IdWord = 4,
    NameWord = 5,
    FlagsWord = 6,
    MenuWord = 7,
    TemplateWord = 8,
    FactionWord = 9,
    PersonalityWord = 10,
    PersonalityAgainWord = 11,
    AiBehaviourWord = 12,
    AiTargetWord = 13,
    PosXWord = 15,
    PosYWord = 16,
    MemberCountWord = 22,
    FirstMemberWord = 23,
};
constexpr int MemberWords = 4;

// Position words the game writes three times: the default behaviour location
// twice, then the position.
constexpr int PosXCopies[] = {PosXWord, 17, 19};
constexpr int PosYCopies[] = {PosYWord, 18, 20};

int MemberWord(int member) {
    return FirstMemberWord + MemberWords * member;
}

QString FlagText(bool on) {
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

int Resolved(int row, int stored) {
    return row < 0 ? stored : row;
}

// Whether the words after the members, `rest`, are more member words: whole
// numbers where the game ends the line (with its closing blank, maybe). Then
// the member count announces fewer members than the line holds, so a word of
// the line before them was lost or the count is not the line's.
bool MoreMemberWords(const QStringList& rest) {
    const qsizetype words =
        !rest.isEmpty() && rest.last().isEmpty() ? rest.size() - 1 : rest.size();
    return words > 0 && std::all_of(rest.begin(), rest.begin() + words, IsWholeNumber);
}

} // namespace

PartyRead DecodeParty(const QString& line, PendingFailure& failure) {
    LineWords w(line, failure);
    PartyRead read;
    PartyRecord& r = read.record;
    r.id = w.text(IdWord);
    r.name = w.text(NameWord);
    r.flags = DecodePartyFlags(w.bits(FlagsWord));
    r.menu = w.text(MenuWord);
    r.partyTemplate = w.index(TemplateWord);
    r.faction = w.index(FactionWord);
    r.personality = DecodePersonality(w.bits(PersonalityWord));
    r.aiBehaviour = w.index(AiBehaviourWord);
    r.aiTarget = w.index(AiTargetWord);
    r.posX = w.text(PosXWord);
    r.posY = w.text(PosYWord);
    const int count = w.index(MemberCountWord);
    if (count < 0 && w.complete())
        w.missing();
    for (int m = 0; m < count; ++m) {
        if (MemberWord(m + 1) > w.size()) {
            w.missing();
            break;
        }
        // The game writes each member as four whole numbers; an empty word
        // among them (the closing blank's) means one was lost.
        const int first = MemberWord(m);
        const int troop = w.index(first);
        const QString troops = w.number(first + 1);
        w.number(first + 2);
        r.members.append({troop, troops, w.bits(first + 3).testBit(0)});
    }
    if (w.complete() && MoreMemberWords(w.words().mid(MemberWord(count))))
        w.missing();
    read.complete = w.complete();
    return read;
}

std::optional<QString> EncodeParty(const PartyRecord& r, const QString& stored,
                                   PendingFailure& failure) {
    PendingFailure ignored;
    const PartyRead old = DecodeParty(stored, ignored);
    const PartyRecord& o = old.record;
    const auto newMemberWithoutTroop = [&] {
        for (qsizetype m = o.members.size(); m < r.members.size(); ++m) {
            if (r.members.at(m).troop < 0)
                return true;
        }
        return false;
    };
    if (!old.complete || newMemberWithoutTroop()) {
        failure.raise(Err::SubscriptOutOfRange);
        return std::nullopt;
    }

    QStringList w = stored.split(u' ');
    const auto put = [&w](int word, bool changed, const QString& text) {
        if (changed)
            w[word] = text;
    };
    const auto putIndex = [&](int word, int row, int storedRow) {
        const int value = Resolved(row, storedRow);
        put(word, value != storedRow, QString::number(value));
    };

    put(IdWord, r.id != o.id, r.id);
    put(NameWord, r.name != o.name, r.name);
    PartyFlags flags = r.flags;
    flags.icon = Resolved(flags.icon, o.flags.icon);
    put(FlagsWord, flags != o.flags, BitWordText(w[FlagsWord], EncodePartyFlags(flags)));
    put(MenuWord, r.menu != o.menu, r.menu);
    putIndex(TemplateWord, r.partyTemplate, o.partyTemplate);
    putIndex(FactionWord, r.faction, o.faction);
    const QString personality = QString::number(EncodePersonality(r.personality));
    put(PersonalityWord, r.personality != o.personality, personality);
    put(PersonalityAgainWord, r.personality != o.personality, personality);
    putIndex(AiBehaviourWord, r.aiBehaviour, o.aiBehaviour);
    putIndex(AiTargetWord, r.aiTarget, o.aiTarget);
    for (int word : PosXCopies)
        put(word, r.posX != o.posX, r.posX);
    for (int word : PosYCopies)
        put(word, r.posY != o.posY, r.posY);

    const qsizetype oldCount = o.members.size();
    put(MemberCountWord, r.members.size() != oldCount, QString::number(r.members.size()));
    QStringList line = w.mid(0, FirstMemberWord);
    for (qsizetype m = 0; m < r.members.size(); ++m) {
        const PartyMember& member = r.members.at(m);
        if (m >= oldCount) {
            line << QString::number(member.troop) << member.count << QStringLiteral("0")
                 << FlagText(member.prisoner);
            continue;
        }
        const PartyMember& was = o.members.at(m);
        QStringList words = w.mid(MemberWord(int(m)), MemberWords);
        const int troop = Resolved(member.troop, was.troop);
        if (troop != was.troop)
            words[0] = QString::number(troop);
        if (member.count != was.count)
            words[1] = member.count;
        if (member.prisoner != was.prisoner)
            words[3] = FlagWordWith(words[3], 0, member.prisoner); // the prisoner bit
        line << words;
    }
    line << w.mid(MemberWord(int(oldCount)));
    return line.join(u' ');
}

void SetShownMembers(PartyRecord& record, const QList<PartyMember>& shown) {
    QList<PartyMember> members = shown;
    if (shown.size() >= PartyShownMembers)
        members << record.members.mid(PartyShownMembers);
    record.members = members;
}

QString PartyProblem(const PartyRecord& edited, const PartyRecord& stored) {
    QList<TypedWord> words = {{QStringLiteral("Party ID"), edited.id},
                              {QStringLiteral("Name"), edited.name},
                              {QStringLiteral("Menu"), edited.menu},
                              {QStringLiteral("Pos X"), edited.posX},
                              {QStringLiteral("Pos Y"), edited.posY}};
    for (qsizetype m = 0; m < edited.members.size(); ++m)
        words.append({QStringLiteral("Count of member %1").arg(m + 1), edited.members.at(m).count});
    QString problem = TypedWordsProblem(words);
    // The game reads the position (words 3 and 4 above) as numbers and the
    // counts (the words after them) as whole numbers. What the file holds
    // goes back as read, whatever its size: only a changed box is checked.
    const QString storedPositions[] = {stored.posX, stored.posY};
    for (int k = 0; k < 2; ++k) {
        const TypedWord& position = words.at(3 + k);
        if (problem.isEmpty() && position.text != storedPositions[k] && !DecimalWord(position.text))
            problem =
                QStringLiteral("'%1' must be a number, such as 12.5 or -3!").arg(position.box);
    }
    for (qsizetype m = 0; m < edited.members.size(); ++m) {
        const bool changed =
            m >= stored.members.size() || edited.members.at(m).count != stored.members.at(m).count;
        if (problem.isEmpty() && changed)
            problem = CountWordProblem(words.at(5 + m));
    }
    for (qsizetype m = stored.members.size(); problem.isEmpty() && m < edited.members.size(); ++m) {
        if (edited.members.at(m).troop < 0)
            problem = QStringLiteral("Choose a troop for member %1!").arg(m + 1);
    }
    return problem;
}
