#pragma once

#include "ms_editors/party_templates/frmPythonPartyTemp.h"

#include "module_system/modPythonPartyTemp.h"

#include "../PythonEditorFixture.h"

// The party-template editor opened on a copy of templates written the way
// real module files write them.
class PythonPartyTempWindow : public PythonEditorTest<frmPythonPartyTemp> {
protected:
    PythonPartyTempWindow()
        : PythonEditorTest(QStringLiteral(QE_TEST_DATA_DIR "/ms_editors/real_shapes")) {}

    // Opens the editor anew on the templates given.
    void reopenWith(const QByteArray& templates) {
        copy.write(QStringLiteral("module_party_templates.py"), templates);
        reopenOn(copy.folder());
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
};
