#include "text_editors/world/WorldWords.h"

#include "text_editors/troops/TroopRecord.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

// What the game's reader takes for the end of a word.
bool SplitsWord(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\v' || c == u'\f';
}

} // namespace

QString TypedWordProblem(const TypedWord& word) {
    if (word.text.isEmpty() || std::any_of(word.text.begin(), word.text.end(), SplitsWord))
        return QStringLiteral("'%1' must not be empty or hold blanks or line breaks!")
            .arg(word.box);
    return QString();
}

QString TypedWordsProblem(const QList<TypedWord>& words) {
    for (const TypedWord& word : words) {
        QString problem = TypedWordProblem(word);
        if (!problem.isEmpty())
            return problem;
    }
    return QString();
}

bool IsWholeNumber(QStringView word) {
    const QStringView digits = word.startsWith(u'-') ? word.mid(1) : word;
    return !digits.isEmpty() && std::all_of(digits.begin(), digits.end(),
                                            [](QChar c) { return c >= u'0' && c <= u'9'; });
}

std::optional<int> IndexWord(QStringView word, PendingFailure& failure) {
    if (!IsWholeNumber(word)) {
        failure.raise(Err::TypeMismatch);
        return std::nullopt;
    }
    PendingFailure beyond;
    const std::optional<std::int64_t> value = ParseTroopInt(word, -32768, 32767, beyond);
    return value ? static_cast<int>(*value) : BeyondEveryRow;
}

std::optional<BitWord> BitsWord(QStringView word, PendingFailure& failure) {
    std::optional<BitWord> value = BitWord::parse(word);
    if (!value)
        failure.raise(Err::TypeMismatch);
    return value;
}

QString FlagWordWith(const QString& stored, int bit, bool on) {
    return BitWordText(stored, BitWord::parse(stored).value_or(BitWord()).withBit(bit, on));
}

std::optional<double> DecimalWord(QStringView word) {
    static const QRegularExpression number(
        QStringLiteral(R"(^[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?$)"));
    if (!number.match(word.toString()).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double value = word.toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

std::optional<int> CountWord(QStringView word) {
    PendingFailure ignored;
    if (word.startsWith(u'-'))
        return std::nullopt;
    const std::optional<std::int64_t> value = ParseTroopInt(word, 0, INT32_MAX, ignored);
    return value ? std::optional<int>(static_cast<int>(*value)) : std::nullopt;
}

QString CountWordProblem(const TypedWord& word) {
    if (CountWord(word.text))
        return QString();
    return QStringLiteral("'%1' must be a whole number of 0 or more!").arg(word.box);
}

LineWords::LineWords(const QString& line, PendingFailure& failure)
    : m_words(line.split(u' ')), m_failure(failure) {}

template <typename T> std::optional<T> LineWords::read(int i, std::optional<T> value) {
    if (i >= m_words.size())
        missing();
    else if (!value)
        m_complete = false;
    return value;
}

QString LineWords::text(int i) {
    if (i < m_words.size())
        return m_words.at(i);
    missing();
    return QString();
}

int LineWords::index(int i) {
    const std::optional<int> value =
        i < m_words.size() ? IndexWord(m_words.at(i), m_failure) : std::nullopt;
    return read(i, value).value_or(-1);
}

BitWord LineWords::bits(int i) {
    const std::optional<BitWord> value =
        i < m_words.size() ? BitsWord(m_words.at(i), m_failure) : std::nullopt;
    return read(i, value).value_or(BitWord());
}

QString LineWords::number(int i) {
    std::optional<QString> value;
    if (i < m_words.size() && IsWholeNumber(m_words.at(i)))
        value = m_words.at(i);
    else if (i < m_words.size())
        m_failure.raise(Err::TypeMismatch);
    return read(i, value).value_or(QString());
}

void LineWords::missing() {
    m_failure.raise(Err::SubscriptOutOfRange);
    m_complete = false;
}
