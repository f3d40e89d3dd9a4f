#include "ModuleSystemFixture.h"

#include "platform/gui/Controls.h"
#include "shell/EditorFactories.h"
#include "support/UserInput.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

// Keys typed into a box of an editor's shown entry, stored and saved. The item
// rows edit the UTF-8 fixture, its coding line naming `coding`; the others a
// stock file, plain ASCII without a coding line. `shown`: the box before.
struct TypedText {
    QWidget* (*show)();
    const char *file, *list, *row, *box, *coding, *shown, *typed, *refused;
};

// The UTF-8 bytes of "龙 吼", each as a character of its own.
const char* const AsBytes = "\u00E9\u00BE\u0099 \u00E5\u0090\u00BC";
const TypedText Typed[] = {
    {ShowPythonItems, "module_items.py", "lstItems", "dragon_roar \\(", "txtItemName", "utf-8",
     "龙 吼", "Čech 中文 Ünï", nullptr},
    {ShowPythonItems, "module_items.py", "lstItems", "dragon_roar \\(", "txtItemName", "latin-1",
     AsBytes, "Ünï 中", "中"},
    {ShowPythonItems, "module_items.py", "lstItems", "dragon_roar \\(", "txtItemName", "cp1251",
     AsBytes, "Ünï", "Ü"},
    {ShowPythonTroops, "module_troops.py", "lstTroops", "farmer \\(", "txtTroopName", nullptr,
     "Farmer", "农夫", nullptr},
    {ShowPythonPartyTemp, "module_party_templates.py", "lstPT", " enemy$", "txtPTName", nullptr,
     "Enemy", "Čech 敌人", nullptr},
};

class TypedInFile : public ModuleSystemTest {
protected:
    QLineEdit* showEntry(std::unique_ptr<QWidget>& editor, const TypedText& t) {
        editor.reset(t.show());
        EXPECT_TRUE(ShowActive(editor.get()));
        auto* list = editor->findChild<ListBox*>(QLatin1String(t.list));
        const auto rows = list->findItems(QLatin1String(t.row), Qt::MatchRegularExpression);
        ClickRow(list, rows.isEmpty() ? -1 : list->row(rows[0]));
        return editor->findChild<QLineEdit*>(QLatin1String(t.box));
    }
};

TEST_F(TypedInFile, AsPythonReadsIt) {
    const QByteArray fixture = ReadFile(TestDataFolder() + QStringLiteral("/utf8/module_items.py"));
    for (const TypedText& t : Typed) {
        SCOPED_TRACE(t.typed);
        if (t.coding)
            write(QStringLiteral("module_items.py"),
                  QByteArray(fixture).replace("utf-8", t.coding));
        const QByteArray before = read(QLatin1String(t.file));
        std::unique_ptr<QWidget> editor;
        QLineEdit* box = showEntry(editor, t);
        EXPECT_EQ(box->text(), QString::fromUtf8(t.shown));
        box->selectAll();
        for (const QChar c : QString::fromUtf8(t.typed)) // keyClicks types Latin-1 only
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
        const QString typed = box->text();
        platform.boxes.clear();
        Click(editor->findChild<QPushButton*>(QStringLiteral("cmdUpdate")));
        if (t.refused) {
            ASSERT_EQ(platform.boxes.size(), 1u);
            EXPECT_TRUE(platform.boxes[0].text.contains(QStringLiteral("holds the character \"") +
                                                        QString::fromUtf8(t.refused) + u'"'));
            continue;
        }
        platform.answer(MsgAnswer::No);
        Click(editor->findChild<QPushButton*>(QStringLiteral("cmdSave")));
        // The entry's line holds the text as UTF-8; no other byte changed.
        const QByteArray after = read(QLatin1String(t.file));
        const bool latin1 = t.coding && qstrcmp(t.coding, "utf-8") != 0;
        const qsizetype at =
            after.indexOf('"' + (latin1 ? typed.toLatin1() : typed.toUtf8()) + '"');
        ASSERT_GE(at, 0);
        const qsizetype from = after.lastIndexOf('\n', at) + 1, to = after.indexOf('\n', at) + 1;
        EXPECT_TRUE(before.startsWith(after.left(from)) && before.endsWith(after.mid(to)));
        EXPECT_EQ(showEntry(editor, t)->text(), typed);
    }
}

} // namespace
