#pragma once

#include "ms_editors/troops/frmPythonTroops.h"

#include "module_system/modPythonTroops.h"

#include "../PythonEditorFixture.h"

// The troop editor opened on a copy of our small module system.
class PythonTroopsWindow : public PythonEditorTest<frmPythonTroops> {
protected:
    PythonTroopsWindow() : PythonEditorTest(QStringLiteral(QE_TEST_DATA_DIR "/ms_editors")) {}

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
};
