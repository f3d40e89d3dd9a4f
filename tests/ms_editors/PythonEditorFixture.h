#pragma once

#include "module_system/PythonText.h"
#include "platform/gui/Controls.h"
#include "shell/modMain.h"
#include "support/Scripted.h"
#include "support/UserInput.h"

#include "troops/QtPrinters.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <span>

// How a row's text comes in: set by code, or on the shown window by keys, by
// Ctrl+V from the clipboard or from an input method, then a click on Update.
enum class Entered { Set, Keys, Paste, InputMethod };

// A field check: text typed into a control, and what the refusal says of the
// field, in parts parted by "*" (nullptr: the text is stored, and shown again
// the control holds `readBack`, or by default what was typed).
struct TypedField {
    const char* control;
    const char* typed;
    const char* refused;
    Entered how = Entered::Set;
    const char* readBack = nullptr;
};

// A module-system editor opened on a copy of a folder of module files, with
// every platform seam scripted; controls are found by their names.
template <class Window> class PythonEditorTest : public ::testing::Test {
protected:
    explicit PythonEditorTest(const QString& folder) : copy(folder) {}

    void SetUp() override {
        ModuleSystemDirectory = copy.folder();
        ScreenWidth = 1024;
        ListFontSize = 8;
        window = new Window;
    }
    void TearDown() override {
        delete window.data();
        // Windows this test opened beside the editor (a deleted window may take
        // others with it, so each is guarded).
        QList<QPointer<QWidget>> opened;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == QStringLiteral("frmMain") ||
                w->objectName().startsWith(QStringLiteral("frmPython")))
                opened.append(w);
        }
        for (const QPointer<QWidget>& w : opened)
            delete w.data();
    }
    // Opens the editor anew on a copy of another folder of module files.
    void reopenOn(const QString& source) {
        delete window.data();
        other = std::make_unique<ModuleCopy>(source);
        ModuleSystemDirectory = other->folder();
        window = new Window;
    }

    template <class T = QWidget> T* get(const QString& name) {
        T* w = window->template findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    ListBox* list(const QString& name) { return get<ListBox>(name); }
    QLineEdit* box(const QString& name) { return get<QLineEdit>(name); }
    QPushButton* button(const QString& name) { return get<QPushButton>(name); }
    void click(const QString& name) { button(name)->click(); }
    void trigger(const QString& name) { get<QAction>(name)->trigger(); }
    QString text(const QString& name) { return box(name)->text(); }
    // The rows of a list box, or only its selected ones.
    QStringList rows(const QString& name, bool selectedOnly = false) {
        QStringList texts;
        ListBox* l = list(name);
        for (int i = 0; i < l->count(); ++i) {
            if (!selectedOnly || l->item(i)->isSelected())
                texts.append(l->item(i)->text());
        }
        return texts;
    }
    // Whether a window of that name is open (and shown).
    bool hasTopLevel(const QString& name) {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == name && w->isVisible())
                return true;
        }
        return false;
    }
    // Clicks each row of the list `records` in turn and presses Update without
    // a change: each says `unchanged` and nothing more, and `table` stays as
    // it was. Gives the rows that offered no update.
    QList<int> updateEachUnchanged(const QString& records, const QString& unchanged,
                                   const QStringList& table) {
        EXPECT_TRUE(ShowActive(window));
        const QStringList before = table;
        QList<int> withoutUpdate;
        for (int r = 0; r < list(records)->count(); ++r) {
            ClickRow(list(records), r);
            plat.boxes.clear();
            if (!button("cmdUpdate")->isEnabled()) {
                withoutUpdate.append(r);
                continue;
            }
            Click(button("cmdUpdate"));
            EXPECT_EQ(plat.boxTexts(), QStringList{unchanged}) << r;
        }
        EXPECT_EQ(table, before);
        EXPECT_TRUE(plat.modalWindows.isEmpty());
        return withoutUpdate;
    }

    // Each row types its text into a control of the record `show` shows and
    // presses Update. A refusal names the field and stores nothing of `table`;
    // a stored entry reads whole, and shown again the control holds what was
    // typed, blanks aside.
    void expectTypedFields(std::span<const TypedField> cases, const std::function<void()>& show,
                           const QStringList& table, const int& shownLine,
                           bool (*readsWhole)(const QString& entry)) {
        for (const TypedField& c : cases) {
            SCOPED_TRACE(std::string(c.control) + ": " + c.typed);
            show();
            const QStringList before = table;
            const int line = shownLine;
            plat.boxes.clear();
            if (c.how == Entered::Set) {
                enter(QLatin1String(c.control), QString::fromUtf8(c.typed));
                click("cmdUpdate");
            } else {
                ASSERT_TRUE(ShowActive(window));
                input(QLatin1String(c.control), QString::fromUtf8(c.typed), c.how);
                Click(button("cmdUpdate"));
            }
            if (c.refused) {
                EXPECT_EQ(table, before);
                ASSERT_EQ(plat.boxes.size(), 1u);
                // The parts of `refused` (parted by "*") stand in the text in their order.
                qsizetype at = 0;
                for (const QString& part : QString::fromUtf8(c.refused).split(u'*'))
                    EXPECT_GE(at = plat.boxes[0].text.indexOf(part, at), 0)
                        << part.toStdString() << " in " << plat.boxes[0].text.toStdString();
                EXPECT_EQ(plat.boxes[0].title, QStringLiteral("Information..."));
                EXPECT_EQ(plat.boxes[0].icon, MsgIcon::Exclamation);
                continue;
            }
            EXPECT_TRUE(readsWhole(table[line]));
            show();
            EXPECT_EQ(CompactPythonBlanks(shown(QLatin1String(c.control))),
                      CompactPythonBlanks(QString::fromUtf8(c.readBack ? c.readBack : c.typed)));
        }
    }

    // Answers the next where-to-add question with "at the end" or "behind".
    void answerWhereToAdd(bool behind) {
        plat.onModal([behind](QWidget* dialog) {
            if (behind)
                dialog->findChild<OptionButton*>(QStringLiteral("optBehind"))->setValue(true);
            dialog->findChild<QPushButton*>(QStringLiteral("cmdAdd"))->click();
        });
    }

    ScriptedPlatform plat;
    ModuleCopy copy;
    std::unique_ptr<ModuleCopy> other;
    QPointer<Window> window;

private:
    // Types `typed` into a text box or into the text of a combo box; a term box
    // (txtAttrib, txtSkills, txtFlag, txtPers) then adds it to its list.
    void enter(const QString& control, const QString& typed) {
        if (control.startsWith(QStringLiteral("cmb"))) {
            get<QComboBox>(control)->setEditText(typed);
            return;
        }
        box(control)->setText(typed);
        if (const char* const* term = termList(control))
            click(QLatin1String(term[1]));
    }
    // Replaces the text of a control as the user would, `how` (not Set).
    void input(const QString& control, const QString& text, Entered how) {
        const bool combo = control.startsWith(QStringLiteral("cmb"));
        QLineEdit* edit = combo ? get<QComboBox>(control)->lineEdit() : box(control);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        if (how == Entered::Keys) {
            QTest::keyClicks(edit, text);
        } else if (how == Entered::Paste) {
            QApplication::clipboard()->setText(text);
            QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        } else {
            QInputMethodEvent commit;
            commit.setCommitString(text);
            QApplication::sendEvent(edit, &commit);
        }
        if (const char* const* term = termList(control))
            Click(button(QLatin1String(term[1])));
    }
    // What a control shows: a term box the last row of its list.
    QString shown(const QString& control) {
        if (control.startsWith(QStringLiteral("cmb")))
            return get<QComboBox>(control)->currentText();
        if (const char* const* term = termList(control))
            return rows(QLatin1String(term[2])).last();
        return text(control);
    }
    // A term box, its Add button and its list; none for another control.
    static const char* const* termList(const QString& control) {
        static const char* const terms[][3] = {{"txtAttrib", "cmdAttribAdd", "lstAttrib"},
                                               {"txtSkills", "cmdSkillsAdd", "lstSkills"},
                                               {"txtFlag", "cmdFlagAdd", "lstFlags"},
                                               {"txtPers", "cmdPersAdd", "lstPers"}};
        for (const auto& term : terms) {
            if (control == QLatin1String(term[0]))
                return term;
        }
        return nullptr;
    }
};
