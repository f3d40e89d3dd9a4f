#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A module-system table: the texts of its elements and, for each, the element
// of the file as last read or saved that it stands for. A save must know which
// entry an edited one was: after "delete A, rename B" and after "rename A,
// delete B" the texts are the same, but B's comments belong to B only. So the
// table itself follows its elements through every change: an element changed
// in place stays what it was, an inserted one stands for nothing on disk, a
// removed one takes its place along. It also keeps whether an element began
// inside a bracket or a string when it was read, which its text cannot tell.
class PythonLines {
public:
    PythonLines() = default;
    // Elements that stand for nothing on disk.
    explicit PythonLines(QStringList texts);
    // The elements of a file as read: element i is the file's element first + i.
    static PythonLines Read(QStringList texts, int first = 0);

    qsizetype size() const { return m_texts.size(); }
    bool isEmpty() const { return m_texts.isEmpty(); }
    const QString& operator[](qsizetype i) const { return m_texts[i]; }
    const QString& last() const { return m_texts.last(); }
    qsizetype indexOf(const QString& text, qsizetype from = 0) const {
        return m_texts.indexOf(text, from);
    }
    bool contains(const QString& text) const { return m_texts.contains(text); }
    QStringList mid(qsizetype pos, qsizetype length = -1) const { return m_texts.mid(pos, length); }
    QStringList::const_iterator begin() const { return m_texts.begin(); }
    QStringList::const_iterator end() const { return m_texts.end(); }
    const QStringList& texts() const { return m_texts; }
    operator const QStringList&() const { return m_texts; }

    // Changing an element in place keeps what it stands for.
    QString& operator[](qsizetype i) { return m_texts[i]; }
    void insert(qsizetype i, const QString& text);
    void append(const QString& text);
    void removeAt(qsizetype i);
    // Every element new.
    PythonLines& operator=(const QStringList& texts);

    // The file's element that element i stands for, or -1 for a new one.
    int origin(qsizetype i) const { return m_marks[i].origin; }
    // Whether element i began inside an open bracket or a string when it was
    // read: whatever its text, it is no statement of its own (a call in a
    // triple-quoted block is text). An element the editor made is none.
    bool enclosed(qsizetype i) const { return m_marks[i].enclosed; }
    void setEnclosed(qsizetype i, bool enclosed) { m_marks[i].enclosed = enclosed; }
    // The first `count` elements, each standing for what it stands for.
    PythonLines head(qsizetype count) const;
    PythonLines operator+(const PythonLines& other) const;
    // After a save: element i is the saved file's element first + i.
    void markRead(int first = 0);

    friend bool operator==(const PythonLines& a, const PythonLines& b) {
        return a.m_texts == b.m_texts;
    }
    friend bool operator==(const PythonLines& a, const QStringList& b) { return a.m_texts == b; }

private:
    struct Mark {
        int origin = -1;
        bool enclosed = false;
    };
    QStringList m_texts;
    QList<Mark> m_marks;
};
