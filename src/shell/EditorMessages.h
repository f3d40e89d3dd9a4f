#pragma once

#include "module_system/PythonFieldKind.h"
#include "platform/MessageBox.h"

#include <QString>

#include <initializer_list>

// Message boxes that more than one editor shows alike.

// Refuses what the user typed: an exclamation box titled "Information...".
void RefuseInput(const QString& text);
// An information box titled "Information..." (help texts, confirmations).
void ShowInformation(const QString& text);

// Refuses a field typed as the wrong kind of Python for `file`
// ("module_items.py"), naming the field, what it must hold and an example.
void RefuseMistypedField(const MistypedPythonField& mistyped, const QString& file);
// Refuses a field left empty that must hold a value, naming it and an example.
void RefuseEmptyField(const QString& field, const QString& example);
// Refuses an id or a name typed with what would end or change its Python
// string (IsPlainPythonString), naming the field.
void RefuseNotPlainString(const QString& field);
// An id or a name of a form: its caption, its text and its text as read.
struct TypedPythonString {
    const char* caption;
    const QString& text;
    const QString& read;
};
// Refuses the first of `strings` that was changed and is no plain Python
// string (RefuseNotPlainString); returns its caption, or the empty text.
QString RefuseChangedNotPlainString(std::initializer_list<TypedPythonString> strings);
// Refuses a field holding `character`, a character that `file` cannot store, so that
// nothing is written as '?' in its place.
void RefuseUnstorableChar(const QString& field, const QString& character, const QString& file);
QString UnstorableCharText(const QString& field, const QString& character, const QString& file);
// Refuses a number box whose text holds more than digits (and, `withPoint`,
// a decimal point), however the text came in.
void RefuseDigitsOnly(const QString& field, bool withPoint = false);
QString DigitsOnlyText(const QString& field, bool withPoint = false);
// Refuses a field that would not read back from `file` as it was typed.
void RefuseUnreadableField(const QString& field, const QString& file);
// "The entry of this <kind> could not be read completely, so it can't be
// <use>!" (`use`: "updated", "used as a template").
QString IncompleteEntryText(const QString& kind, const QString& use);
// Refuses the `kind` just shown, which could not be read completely, for an
// update or as a template, and asks to check its syntax in `file`.
void RefuseIncompleteEntry(const QString& kind, const QString& file);
// Tells that an update found nothing changed in the shown `entryKind`
// ("item"), so its entry in `file` stays as it was read.
void ShowEntryUnchanged(const QString& entryKind, const QString& file);
// The texts of the result windows of an update: a new `kind` ("Troop") added
// beginning at line `line` of its file (counted from 1, as the load's reports
// count lines), and entry `row` of the list updated, with `note` before the
// closing "This is the updated line:".
QString PythonEntryAddedText(const QString& kind, int line, const QString& id);
QString PythonEntryUpdatedText(const QString& kind, int row, const QString& id,
                               const QString& note = QString());
// Warns that deleting entry `number` (`id`) of the list, a `kind` ("troop",
// plural `kinds`), breaks every link to it, and asks whether to go on.
bool ConfirmPythonEntryDelete(const QString& kind, const QString& kinds, int number,
                              const QString& id);
// Asks whether to rewrite every entry (`kinds`: "troops") of `file`; `scanned`
// is the sentence on what the pass collects besides, or empty. Returns the
// answer.
MsgAnswer AskRewriteAll(const QString& kinds, const QString& kind, const QString& file,
                        const QString& scanned);
// The question of the where-to-add window for a new `kind` filled with the
// data of entry `number`, with `hint` on how to go on.
QString PythonNewEntryText(const QString& kind, int number, const QString& hint);
// The note that closes a rewrite of every entry of a module-system file
// ("All troops have been updated. ..."), telling how many entries (`singular`:
// "troop") were rewritten, how many read back with the same fields and were
// left as they were, and how many could not be read completely.
void ShowRewriteAllDone(const QString& plural, const QString& singular, int rewritten,
                        int unchanged, int skipped);
// The tip of a control that shows a field Python computes (a name as a sum
// of strings, a list as a sum of lists or given by a name): the field as
// `written`, whole, and that it is read-only: shown and kept as written, it
// cannot be changed in the window.
QString ComputedFieldTip(const QString& written);
// How to get a face code from the game, behind the face-code button of both
// troop editors.
void ShowFaceCodeHelp();
