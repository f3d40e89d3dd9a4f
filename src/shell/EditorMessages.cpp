#include "shell/EditorMessages.h"

#include "platform/MessageBox.h"

void RefuseInput(const QString& text) {
    MsgBox(text, MsgButtons::Ok, MsgIcon::Exclamation, QStringLiteral("Information..."));
}

void ShowInformation(const QString& text) {
    MsgBox(text, MsgButtons::Ok, MsgIcon::Information, QStringLiteral("Information..."));
}

void RefuseMistypedField(const QString& field, PyFieldKind kind, const QString& file) {
    RefuseInput(QStringLiteral("'") + field + QStringLiteral("' must be ") +
                PythonKindDescription(kind) + QStringLiteral(". As it stands it would break ") +
                file + QStringLiteral(", so nothing was stored. Please correct it!"));
}

void RefuseUnreadableField(const QString& field, const QString& file) {
    RefuseInput(QStringLiteral("'") + field + QStringLiteral("' would not read back from ") + file +
                QStringLiteral(" as it was typed (a comma, quote, bracket or \"#\" too many or "
                               "too few?), so nothing was stored. Please correct it!"));
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
