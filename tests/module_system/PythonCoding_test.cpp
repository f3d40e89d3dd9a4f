#include "ModuleSystemFixture.h"

#include "platform/gui/Controls.h"
#include "shell/EditorFactories.h"
#include "support/UserInput.h"

#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>

namespace {

// An editor, the row of its list to show and the box to type into.
struct Entry {
    QWidget* (*show)();
    const char *file, *list, *row, *box;
};
const Entry Item{ShowPythonItems, "module_items.py", "lstItems", "dragon_roar \\(", "txtItemName"};
const Entry Troop{ShowPythonTroops, "module_troops.py", "lstTroops", "farmer \\(", "txtTroopName"};
const Entry Template{ShowPythonPartyTemp, "module_party_templates.py", "lstPT", " enemy$",
                     "txtPTName"};

// Keys typed into the box of an editor's shown entry, stored and saved,
// `saves` times in one session (the save's number behind the text from the
// second on; nothing typed: stored unchanged). Item rows edit the UTF-8
// fixture, its coding line naming `coding`; the others the stock file, plain
// ASCII without a coding line, with `head` before it. `shown`: the box
// before; `codingLine`: where the first save adds the line Python 2 needs.
struct TypedText {
    const Entry* entry;
    const char *coding, *head, *shown, *typed, *refused;
    int codingLine = 0;
    int saves = 1;
};

const char* const Mixed = "Čech Ünï 中文";
// The UTF-8 bytes of "龙 吼", each as a character of its own.
const char* const AsBytes = "\u00E9\u00BE\u0099 \u00E5\u0090\u00BC";
const TypedText Typed[] = {
    {&Item, "utf-8", nullptr, "龙 吼", "Čech 中文 Ünï", nullptr},
    {&Item, "latin-1", nullptr, AsBytes, "Ünï 中", "中"},
    {&Item, "cp1251", nullptr, AsBytes, "Ünï", "Ü"},
    {&Troop, nullptr, "", "Farmer", Mixed, nullptr, 1, 2},
    {&Troop, nullptr, "#!/usr/bin/env python\r\n", "Farmer", Mixed, nullptr, 2},
    {&Troop, nullptr, "# -*- coding: cp1252 -*-\r\n", "Farmer", "Ünï", nullptr},
    {&Troop, nullptr, "\xEF\xBB\xBF", "Farmer", Mixed, nullptr},
    {&Troop, nullptr, "", "Farmer", nullptr, nullptr},
    {&Template, nullptr, "", "Enemy", "Čech 敌人", nullptr, 1},
};

// Whether `python` ran with `args` and ended well; `said` learns its output.
bool RunPython(const QString& python, const QStringList& args, QString& said) {
    QProcess run;
    run.setProcessChannelMode(QProcess::MergedChannels);
    run.start(python, args);
    const bool ran = run.waitForFinished(60000) && run.exitCode() == 0;
    said = QString::fromUtf8(run.readAll());
    return ran;
}

// pyenv's python2 or python3 (its shims on the PATH are slow, and fail
// without a version), else the one on the PATH; empty where there is none.
QString FindPython(const QString& major) {
    const QDir pyenv(QDir::homePath() + QStringLiteral("/.pyenv/versions"));
    QStringList tried;
    for (const QString& version : pyenv.entryList({major + u'*'}, QDir::Dirs))
        tried.append(pyenv.filePath(version + QStringLiteral("/bin/python") + major));
    QString said;
    for (const QString& python : tried << QStringLiteral("python") + major) {
        if (RunPython(python, {QStringLiteral("-V")}, said))
            return python;
    }
    return QString();
}

// Imports the module named by argv[2] from the folder argv[1] as far as
// Python reads it: a SyntaxError fails, the module's own imports (not here)
// do not.
const QString ReadModule = QStringLiteral(
    "import sys\nsys.path.insert(0, sys.argv[1])\ntry:\n    __import__(sys.argv[2])\n"
    "except SyntaxError:\n    raise\nexcept Exception:\n    pass\n");

class TypedInFile : public ModuleSystemTest {
protected:
    QLineEdit* showEntry(std::unique_ptr<QWidget>& editor, const Entry& e) {
        editor.reset(e.show());
        EXPECT_TRUE(ShowActive(editor.get()));
        auto* list = editor->findChild<ListBox*>(QLatin1String(e.list));
        const auto rows = list->findItems(QLatin1String(e.row), Qt::MatchRegularExpression);
        ClickRow(list, rows.isEmpty() ? -1 : list->row(rows[0]));
        return editor->findChild<QLineEdit*>(QLatin1String(e.box));
    }
};

TEST_F(TypedInFile, AsPythonReadsIt) {
    const QByteArray fixture = ReadFile(TestDataFolder() + QStringLiteral("/utf8/module_items.py"));
    const QStringList pythons{FindPython(QStringLiteral("2")), FindPython(QStringLiteral("3"))};
    for (const TypedText& t : Typed) {
        const QString file = QLatin1String(t.entry->file);
        SCOPED_TRACE((file + u' ' + QLatin1String(t.coding ? t.coding : t.head)).toStdString());
        write(file, t.coding ? QByteArray(fixture).replace("utf-8", t.coding)
                             : t.head + ReadFile(SampleModuleSystem() + u'/' + file));
        QByteArray before = read(file);
        std::unique_ptr<QWidget> editor;
        QLineEdit* box = showEntry(editor, *t.entry);
        EXPECT_EQ(box->text(), QString::fromUtf8(t.shown));
        QString typed = box->text();
        for (int save = 1; save <= t.saves; ++save) {
            const QString old = typed;
            if (t.typed) {
                box->selectAll();
                const QString keys =
                    QString::fromUtf8(t.typed) + (save > 1 ? QString::number(save) : QString());
                for (const QChar c : keys) // keyClicks types Latin-1 only
                    QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c),
                                        Qt::NoModifier);
                typed = box->text();
            }
            platform.boxes.clear();
            Click(editor->findChild<QPushButton*>(QStringLiteral("cmdUpdate")));
            if (t.refused) {
                ASSERT_EQ(platform.boxes.size(), 1u);
                EXPECT_TRUE(
                    platform.boxes[0].text.contains(QStringLiteral("holds the character \"") +
                                                    QString::fromUtf8(t.refused) + u'"'));
                break;
            }
            platform.answer(MsgAnswer::No);
            Click(editor->findChild<QPushButton*>(QStringLiteral("cmdSave")));
            // The entry's line holds the text; no other byte changed but the
            // coding line, which the first save adds where Python looks for it.
            const QByteArray after = read(file);
            const int codingLine = save == 1 ? t.codingLine : 0;
            QByteArray expected = before;
            if (codingLine > 0)
                expected.insert(codingLine == 1 ? 0 : before.indexOf('\n') + 1,
                                "# -*- coding: utf-8 -*-\r\n");
            const QString told = platform.boxes.back().text.section(QStringLiteral("\r\n\r\n"), 1);
            EXPECT_EQ(told.isEmpty(), codingLine == 0) << told.toStdString();
            EXPECT_EQ(told.contains(QStringLiteral("added as line %1 of").arg(codingLine)),
                      codingLine > 0);
            const bool utf8 = after.contains('"' + typed.toUtf8() + '"');
            const auto quoted = [utf8](const QString& text) {
                return '"' + (utf8 ? text.toUtf8() : text.toLatin1()) + '"';
            };
            const qsizetype at = after.indexOf(quoted(typed));
            ASSERT_GE(at, 0);
            const qsizetype from = after.lastIndexOf('\n', at) + 1,
                            to = after.indexOf('\n', at) + 1;
            EXPECT_TRUE(expected.startsWith(after.left(from)) && expected.endsWith(after.mid(to)));
            // The line holds the typed text in place of the entry's lines
            // that held the old one; stored without a change, they went back as they were.
            const QByteArray line = after.mid(from, to - from),
                             was = expected.mid(from, to - from + expected.size() - after.size());
            EXPECT_TRUE(was.contains(quoted(old))) << was.toStdString();
            EXPECT_EQ(line == was, !t.typed);
            for (QString said; const QString& python : pythons)
                EXPECT_TRUE(python.isEmpty() ||
                            (RunPython(python,
                                       {QStringLiteral("-B"), QStringLiteral("-c"), ReadModule,
                                        copy.folder(), file.chopped(3)},
                                       said)))
                    << said.toStdString();
            before = after;
        }
        if (!t.refused) {
            EXPECT_EQ(showEntry(editor, *t.entry)->text(), typed);
        }
    }
    if (pythons[0].isEmpty())
        GTEST_SKIP() << "There is no python2 here: the saved files were not read by it.";
}

} // namespace
