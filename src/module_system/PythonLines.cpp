#include "module_system/PythonLines.h"

#include <algorithm>

PythonLines::PythonLines(QStringList texts) : m_texts(std::move(texts)), m_marks(m_texts.size()) {}

PythonLines PythonLines::Read(QStringList texts, int first) {
    PythonLines lines(std::move(texts));
    lines.markRead(first);
    return lines;
}

void PythonLines::insert(qsizetype i, const QString& text) {
    i = std::clamp<qsizetype>(i, 0, size());
    m_texts.insert(i, text);
    m_marks.insert(i, Mark());
}

void PythonLines::append(const QString& text) {
    insert(size(), text);
}

void PythonLines::removeAt(qsizetype i) {
    m_texts.removeAt(i);
    m_marks.removeAt(i);
}

PythonLines& PythonLines::operator=(const QStringList& texts) {
    return *this = PythonLines(texts);
}

PythonLines PythonLines::head(qsizetype count) const {
    count = std::clamp<qsizetype>(count, 0, size());
    PythonLines lines;
    lines.m_texts = m_texts.mid(0, count);
    lines.m_marks = m_marks.mid(0, count);
    return lines;
}

PythonLines PythonLines::operator+(const PythonLines& other) const {
    PythonLines lines = *this;
    lines.m_texts += other.m_texts;
    lines.m_marks += other.m_marks;
    return lines;
}

void PythonLines::markRead(int first) {
    for (qsizetype i = 0; i < size(); ++i)
        m_marks[i].origin = first + int(i);
}
