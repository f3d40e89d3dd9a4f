#include "text_editors/world/FactionRecord.h"

#include "text_editors/world/WorldWords.h"
#include "textfiles/modTextFactions.h"

namespace {

// The words of line 1 after its lead word; a line without one has them one
// word earlier.
enum FactionWord { IdWord = 1, NameWord = 2, LabelWord = 3, ColourWordIndex = 4 };

int LeadOffset(const QString& line1) {
    return FactionLineHasLeadWord(line1) ? 0 : -1;
}
constexpr int ColourBits = 24;

// The label flag is bit 0 of word 3; the game keeps other bits there (a
// rating in 0xFF00), which the box must neither show nor lose. A word that is
// no number is taken as a set flag, as any text but "0" always was.
bool HidesLabel(const QString& word) {
    const std::optional<BitWord> bits = BitWord::parse(word);
    return bits ? bits->testBit(0) : word != QLatin1String("0");
}

QString RelationField(qsizetype faction) {
    return QStringLiteral("Relation to faction %1").arg(faction);
}

std::uint64_t Rgb(int red, int green, int blue) {
    return (static_cast<std::uint64_t>(red & 0xFF) << 16) |
           (static_cast<std::uint64_t>(green & 0xFF) << 8) |
           static_cast<std::uint64_t>(blue & 0xFF);
}

// The relation line's words as the editor has always read them: every pair of
// blanks counts as one (in one pass, so three blanks leave an empty word),
// then the line is cut at single blanks. Word 0 is the leading blank's empty
// word, word j + 1 the relation to faction j; the closing blank ends the last
// word and adds none.
QStringList RelationWords(const QString& line) {
    QString single = line;
    QStringList words = single.replace(QStringLiteral("  "), QStringLiteral(" ")).split(u' ');
    if (words.size() > 1 && words.last().isEmpty())
        words.removeLast();
    return words;
}

} // namespace

FactionRead DecodeFaction(const QString& line1, const QString& relationLine, int factionCount,
                          PendingFailure& failure) {
    FactionRead read;
    FactionRecord& r = read.record;
    LineWords w(line1, failure);
    const int at = LeadOffset(line1);
    r.id = w.text(at + IdWord);
    r.name = w.text(at + NameWord);
    r.hideLabel = HidesLabel(w.text(at + LabelWord));
    read.colourWord = w.text(at + ColourWordIndex);
    const BitWord colour = w.bits(at + ColourWordIndex);
    r.red = static_cast<int>(colour.bits(16, 8));
    r.green = static_cast<int>(colour.bits(8, 8));
    r.blue = static_cast<int>(colour.bits(0, 8));
    read.firstLineWhole = w.complete();

    const QStringList words = RelationWords(relationLine);
    r.relations = words.mid(1, factionCount);
    // A line that does not begin with its blank would put every relation one
    // faction off.
    read.relationsWhole = words.at(0).isEmpty() && r.relations.size() >= factionCount;
    if (!read.relationsWhole)
        failure.raise(Err::SubscriptOutOfRange);
    read.complete = read.firstLineWhole && read.relationsWhole;
    return read;
}

std::optional<std::pair<QString, QString>>
EncodeFaction(const FactionRecord& r, const QString& storedLine1, const QString& storedRelationLine,
              int factionCount, PendingFailure& failure) {
    PendingFailure ignored;
    const FactionRead old = DecodeFaction(storedLine1, storedRelationLine, factionCount, ignored);
    if (!old.complete || r.relations.size() != factionCount) {
        failure.raise(Err::SubscriptOutOfRange);
        return std::nullopt;
    }
    const FactionRecord& o = old.record;

    QStringList w = storedLine1.split(u' ');
    const int at = LeadOffset(storedLine1);
    if (r.id != o.id)
        w[at + IdWord] = r.id;
    if (r.name != o.name)
        w[at + NameWord] = r.name;
    if (r.hideLabel != o.hideLabel)
        w[at + LabelWord] = FlagWordWith(w[at + LabelWord], 0, r.hideLabel);
    w[at + ColourWordIndex] = ColourWord(old.colourWord, r.red, r.green, r.blue);

    if (r.relations == o.relations)
        return std::pair{w.join(u' '), storedRelationLine};
    QString relations = QLatin1Char(' ') + r.relations.at(0) + QLatin1Char(' ');
    for (qsizetype j = 1; j < r.relations.size(); ++j)
        relations += QLatin1Char(' ') + r.relations.at(j) + QLatin1Char(' ');
    // Words after the last relation stay.
    for (const QString& word : RelationWords(storedRelationLine).mid(factionCount + 1))
        relations += QLatin1Char(' ') + word + QLatin1Char(' ');
    return std::pair{w.join(u' '), relations};
}

QString ColourWord(const QString& storedWord, int red, int green, int blue) {
    const std::optional<BitWord> stored = BitWord::parse(storedWord);
    const std::uint64_t rgb = Rgb(red, green, blue);
    if (stored && stored->bits(0, ColourBits) == rgb)
        return storedWord;
    return stored.value_or(BitWord()).withBits(0, ColourBits, rgb).toString();
}

QString FactionProblem(const FactionRecord& record) {
    QList<TypedWord> words = {{QStringLiteral("Faction ID"), record.id},
                              {QStringLiteral("Name"), record.name}};
    for (qsizetype j = 1; j < record.relations.size(); ++j)
        words.append({RelationField(j), record.relations.at(j)});
    if (QString problem = TypedWordsProblem(words); !problem.isEmpty())
        return problem;
    // The loader finds a faction, and tells a lead word from its id, by "fac_";
    // without it the file would read shifted on the next load.
    if (!record.id.startsWith(QLatin1String("fac_")))
        return QStringLiteral("'Faction ID' must begin with fac_!");
    return QString();
}

QString RelationProblem(int faction, const QString& text) {
    const QString field = RelationField(faction);
    if (QString problem = TypedWordProblem({field, text}); !problem.isEmpty())
        return problem;
    // The game takes the value times 100; anything else is no relation.
    const std::optional<double> value = DecimalWord(text);
    if (!value || *value < -1.0 || *value > 1.0)
        return QStringLiteral("'%1' must be a number from -1.0 to 1.0!").arg(field);
    return QString();
}
