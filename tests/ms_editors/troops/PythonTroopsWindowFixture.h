#pragma once

#include "ms_editors/troops/frmPythonTroops.h"

#include "module_system/modPythonTroops.h"
#include "platform/gui/Controls.h"
#include "shell/modMain.h"
#include "support/Scripted.h"

#include "QtPrinters.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>

// The troop editor opened on a copy of our small module system, with every
// platform seam scripted; controls are found by their names.

class PythonTroopsWindow : public ::testing::Test {
protected:
    void SetUp() override {
        ModuleSystemDirectory = copy.folder();
        ScreenWidth = 1024;
        ListFontSize = 8;
        window = new frmPythonTroops;
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
        window = new frmPythonTroops;
    }

    template <class T = QWidget> T* get(const char* name) {
        T* w = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    ListBox* list(const char* name) { return get<ListBox>(name); }
    QLineEdit* box(const char* name) { return get<QLineEdit>(name); }
    void click(const char* name) { get<QPushButton>(name)->click(); }
    QString text(const char* name) { return box(name)->text(); }
    // The rows of a list box, or only its selected ones.
    QStringList rows(const char* name, bool selectedOnly = false) {
        QStringList texts;
        ListBox* l = list(name);
        for (int i = 0; i < l->count(); ++i) {
            if (!selectedOnly || l->item(i)->isSelected())
                texts.append(l->item(i)->text());
        }
        return texts;
    }
    QStringList selectedFlags() { return rows("lstFlags", true); }
    QStringList texts(std::initializer_list<const char*> names) {
        QStringList all;
        for (const char* name : names)
            all.append(text(name));
        return all;
    }
    // Selects the row of troop `id`, or of item `id` in the available items.
    void select(const QString& id, const char* name = "lstTroops") {
        const QString prefix = QLatin1StringView(name) == "lstTroops" ? "trp_" : "itm_";
        const QStringList all = rows(name);
        for (int i = 0; i < all.size(); ++i) {
            if (all[i].section(u' ', 1, 1) == prefix + id)
                return list(name)->setListIndex(i);
        }
        ADD_FAILURE() << "no row for " << id.toStdString();
    }
    int lineOf(const QString& id) {
        for (int i = 0; i <= PyTroopMax; ++i) {
            if (PyTroopLines[i].trimmed().startsWith(QStringLiteral("[\"") + id + u'"'))
                return i;
        }
        return -1;
    }
    QString upgrade(int which) {
        return get<ComboBox>(which == 1 ? "cmbUpgrade1" : "cmbUpgrade2")->currentText();
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
    ModuleCopy copy{QStringLiteral(QE_TEST_DATA_DIR "/ms_editors")};
    std::unique_ptr<ModuleCopy> other;
    QPointer<frmPythonTroops> window;
};
