#pragma once

#include <QDialog>
#include <QString>

#include <cstdint>

class QLabel;
class QPushButton;
class OptionButton;

// The where-to-add question of the module-system editors. The caller sets
// NewEntryChoice to 0 and the caption and question, shows the window through
// ShowPythonNewEntry, and reads the answer from NewEntryChoice.
extern QString NewEntryTitle;
extern QString NewEntryText; // may hold line breaks (CR LF)
extern std::uint8_t
    NewEntryChoice; // 0 aborted, 1 at the end of the list, 2 behind the selected entry

class frmPythonNewEntry : public QDialog {
    Q_OBJECT
public:
    explicit frmPythonNewEntry(QWidget* parent = nullptr);

    QLabel* lblMsg = nullptr;
    OptionButton* optEnd = nullptr;
    OptionButton* optBehind = nullptr;
    QPushButton* cmdAdd = nullptr;
    QPushButton* cmdAbort = nullptr;

private:
    void Form_Load();
    void cmdAdd_Click();
    void cmdAbort_Click();
};

// Shows frmPythonNewEntry modally; returns when it has closed.
void ShowPythonNewEntry();
// Sets the caption and the question, clears the answer, shows the window and
// returns the answer (NewEntryChoice).
std::uint8_t AskPythonNewEntry(const QString& title, const QString& text);
