#include "shell/EditorMessages.h"

#include "platform/MessageBox.h"

namespace {

const QString CrLf = QStringLiteral("\r\n");

} // namespace

void RefuseInput(const QString& text) {
    MsgBox(text, MsgButtons::Ok, MsgIcon::Exclamation, QStringLiteral("Information..."));
}

void ShowInformation(const QString& text) {
    MsgBox(text, MsgButtons::Ok, MsgIcon::Information, QStringLiteral("Information..."));
}

void RefuseMistypedField(const MistypedPythonField& mistyped, const QString& file) {
    RefuseInput(QStringLiteral("'") + mistyped.field + QStringLiteral("' must be ") +
                PythonKindDescription(mistyped.kind) + QStringLiteral(" (such as ") +
                mistyped.example + QStringLiteral("). As it stands it would break ") + file +
                QStringLiteral(", so nothing was stored. Please correct it!"));
}

void RefuseEmptyField(const QString& field, const QString& example) {
    RefuseInput(QStringLiteral("'") + field +
                QStringLiteral("' can't be empty, so nothing was stored. Please enter a value "
                               "such as ") +
                example + QStringLiteral("!"));
}

void RefuseNotPlainString(const QString& field) {
    RefuseInput(QStringLiteral("Double quotes, backslashes and line breaks are not allowed in '") +
                field + QStringLiteral("'!"));
}

QString RefuseChangedNotPlainString(std::initializer_list<TypedPythonString> strings) {
    for (const TypedPythonString& s : strings) {
        if (s.text != s.read && !IsPlainPythonString(s.text)) {
            RefuseNotPlainString(QLatin1String(s.caption));
            return QLatin1String(s.caption);
        }
    }
    return QString();
}

void RefuseUnstorableChar(const QString& field, const QString& character, const QString& file) {
    RefuseInput(UnstorableCharText(field, character, file));
}

QString UnstorableCharText(const QString& field, const QString& character, const QString& file) {
    return QStringLiteral("'") + field + QStringLiteral("' holds the character \"") + character +
           QStringLiteral("\", which ") + file +
           QStringLiteral(" can't store, so nothing was stored. Please correct it!");
}

void RefuseDigitsOnly(const QString& field, bool withPoint) {
    RefuseInput(DigitsOnlyText(field, withPoint));
}

QString DigitsOnlyText(const QString& field, bool withPoint) {
    return QStringLiteral("'") + field + QStringLiteral("' may hold digits") +
           (withPoint ? QStringLiteral(" and a decimal point") : QString()) +
           QStringLiteral(" only, so nothing was stored. Please correct it!");
}

void RefuseUnreadableField(const QString& field, const QString& file) {
    RefuseInput(QStringLiteral("'") + field + QStringLiteral("' would not read back from ") + file +
                QStringLiteral(" as it was typed (a comma, quote, bracket or \"#\" too many or "
                               "too few?), so nothing was stored. Please correct it!"));
}

QString IncompleteEntryText(const QString& kind, const QString& use) {
    return QStringLiteral("The entry of this ") + kind +
           QStringLiteral(" could not be read completely, so it can't be ") + use +
           QStringLiteral("!");
}

void RefuseIncompleteEntry(const QString& kind, const QString& file) {
    RefuseInput(QStringLiteral("The entry of this ") + kind +
                QStringLiteral(" could not be read completely, so it can't be updated or used as "
                               "a template. Please check its syntax in ") +
                file + QStringLiteral("!"));
}

void ShowEntryUnchanged(const QString& entryKind, const QString& file) {
    ShowInformation(QStringLiteral("Nothing of this ") + entryKind +
                    QStringLiteral(" has been changed, so its entry in ") + file +
                    QStringLiteral(" was left as it was."));
}

void ShowRewriteAllDone(const QString& plural, const QString& singular, int rewritten,
                        int unchanged, int skipped) {
    QString text = QStringLiteral("All ") + plural +
                   QStringLiteral(" have been updated. Now hit 'Save changes' and build your "
                                  "module to test whether there are syntax problems or not!") +
                   QStringLiteral("\r\n\r\n") + QString::number(rewritten) + u' ' + singular +
                   QStringLiteral("(s) have been rewritten; ") + QString::number(unchanged) +
                   QStringLiteral(" read back with the same fields and were left as they were.");
    if (skipped > 0)
        text += QStringLiteral("\r\n\r\n") + QString::number(skipped) + u' ' + singular +
                QStringLiteral("(s) could not be read completely and were left as they were.");
    ShowInformation(text);
}

QString ComputedFieldTip(const QString& written) {
    return written + QStringLiteral("\n\nRead-only: written as a Python expression, it is shown "
                                    "and kept as written and can't be changed here.");
}

void ShowFaceCodeHelp() {
    const QString lineBreak = QStringLiteral("\r\n");
    MsgBox(QStringLiteral("This is a face code - you can generate this in the game. First, enable "
                          "edit mode in your game configuration, then start the game.") +
               lineBreak +
               QStringLiteral("Press C to open character information. Click on your charaters "
                              "face. Change your face. Press CTRL+E, the face code of the "
                              "generated face ") +
               lineBreak +
               QStringLiteral("will be displayed in the top of the screen. Press this button to "
                              "copy the face code to the clipboard. Then insert it to the editor "
                              "field, by pressing CTRL+V."),
           MsgButtons::Ok, MsgIcon::Information, QStringLiteral("How to get the face code..."));
}

QString PythonEntryAddedText(const QString& kind, int line, const QString& id) {
    return kind + QStringLiteral(" added to python line # ") + QString::number(line) +
           QStringLiteral(" - '") + id + QStringLiteral("'. This is the new entry:");
}

QString PythonEntryUpdatedText(const QString& kind, int row, const QString& id,
                               const QString& note) {
    return kind + QStringLiteral(" # ") + QString::number(row) + QStringLiteral(" - '") + id +
           QStringLiteral("' has been updated. ") + note +
           QStringLiteral("This is the updated line:");
}

bool ConfirmPythonEntryDelete(const QString& kind, const QString& kinds, int number,
                              const QString& id) {
    const QString text =
        QStringLiteral("WARNING!") + CrLf + CrLf + QStringLiteral("This will delete ") + kind +
        QStringLiteral(" # ") + QString::number(number) + QStringLiteral(" - ") + id +
        QStringLiteral("!") + CrLf + QStringLiteral("Every link to this removed ") + kind +
        QStringLiteral(" in the module system will raise an error if you build the module! So "
                       "remove ALL dependencies to this ") +
        kind + QStringLiteral(" in the whole module system, before you build the module!") + CrLf +
        QStringLiteral("It's highly recommended that you only delete your self created ") + kinds +
        QStringLiteral("!") + CrLf + CrLf + QStringLiteral("Do you want to continue?");
    return MsgBox(text, MsgButtons::YesNo, MsgIcon::None,
                  QStringLiteral("Delete ") + kind + QStringLiteral("?")) == MsgAnswer::Yes;
}

MsgAnswer AskRewriteAll(const QString& kinds, const QString& kind, const QString& file,
                        const QString& scanned) {
    QString question = QStringLiteral("This will update ALL ") + kinds +
                       QStringLiteral(" without making changes. This means all data will be "
                                      "reorganized, and you can test whether the editor works "
                                      "with your ") +
                       file + QStringLiteral(" or not (testing syntax).") + CrLf;
    if (!scanned.isEmpty())
        question += scanned + CrLf;
    question += QStringLiteral("If you get ") + kind +
                QStringLiteral(" errors when building your module, this editor can't read your "
                               "syntax in ") +
                file + QStringLiteral(".") + CrLf + CrLf +
                QStringLiteral("You should create a backup, if the saving function is prompting "
                               "you to do that!") +
                CrLf + CrLf + QStringLiteral("Do you want to continue?");
    return MsgBox(question, MsgButtons::YesNo, MsgIcon::None, QStringLiteral("Continue...?"));
}

QString PythonNewEntryText(const QString& kind, int number, const QString& hint) {
    return QStringLiteral("The form will be filled with data from ") + kind +
           QStringLiteral(" # ") + QString::number(number) + QStringLiteral("!") + CrLf + CrLf +
           hint + CrLf + CrLf + QStringLiteral("Where do you want to add the new ") + kind +
           QStringLiteral("?");
}
