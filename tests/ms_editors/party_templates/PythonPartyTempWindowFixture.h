#pragma once

#include "ms_editors/party_templates/frmPythonPartyTemp.h"

#include "module_system/modPythonPartyTemp.h"
#include "platform/gui/Controls.h"
#include "shell/modMain.h"
#include "support/Scripted.h"

#include "../troops/QtPrinters.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include <gtest/gtest.h>

// The party-template editor opened on a copy of templates written the way
// real module files write them, with every platform seam scripted; controls
// are found by their names.
class PythonPartyTempWindow : public ::testing::Test {
protected:
    void SetUp() override {
        ModuleSystemDirectory = copy.folder();
        ScreenWidth = 1024;
        ListFontSize = 8;
        window = new frmPythonPartyTemp;
    }
    void TearDown() override {
        delete window.data();
        QList<QPointer<QWidget>> opened;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == QStringLiteral("frmMain") ||
                w->objectName().startsWith(QStringLiteral("frmPython")))
                opened.append(w);
        }
        for (const QPointer<QWidget>& w : opened)
            delete w.data();
    }
    // Opens the editor anew on the templates given.
    void reopenWith(const QByteArray& templates) {
        delete window.data();
        copy.write(QStringLiteral("module_party_templates.py"), templates);
        window = new frmPythonPartyTemp;
    }

    template <class T = QWidget> T* get(const QString& name) {
        T* w = window->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    ListBox* list(const char* name) { return get<ListBox>(QLatin1String(name)); }
    QLineEdit* box(const QString& name) { return get<QLineEdit>(name); }
    QPushButton* button(const char* name) { return get<QPushButton>(QLatin1String(name)); }
    void click(const char* name) { button(name)->click(); }
    void trigger(const char* name) { get<QAction>(QLatin1String(name))->trigger(); }
    QString text(const QString& name) { return box(name)->text(); }
    QStringList rows(const char* name) {
        QStringList texts;
        for (int i = 0; i < list(name)->count(); ++i)
            texts.append(list(name)->item(i)->text());
        return texts;
    }
    // Member row i as the form shows it: troop, minimum, maximum, "P" when ticked.
    QString member(int i) {
        const QString n = u'(' + QString::number(i) + u')';
        return get<ComboBox>("cmbPTTroops" + n)->currentText() + u',' + text("txtPTMin" + n) +
               u',' + text("txtPTMax" + n) +
               (get<CheckBox>("chkPTPrisoner" + n)->isChecked() ? ",P" : "");
    }
    // Selects the row of template `id` (the first of that id).
    void select(const QString& id) {
        const QStringList all = rows("lstPT");
        for (int i = 0; i < all.size(); ++i) {
            if (all[i].section(u' ', 1) == id)
                return list("lstPT")->setListIndex(i);
        }
        ADD_FAILURE() << "no row for " << id.toStdString();
    }
    int lineOf(const QString& id) {
        for (int i = 0; i <= PyPTMax; ++i) {
            if (PyPTLines[i].trimmed().remove(u' ').startsWith("(\"" + id + u'"'))
                return i;
        }
        return -1;
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
    ModuleCopy copy{QStringLiteral(QE_TEST_DATA_DIR "/ms_editors/real_shapes")};
    QPointer<frmPythonPartyTemp> window;
};
