#pragma once

#include <QString>

#include <functional>
#include <optional>

class ComboBox;
class ListBox;
class QLineEdit;
class QPushButton;
class QWidget;

// A list of terms edited through a text box, as the module-system editors keep
// a troop's attributes and skills or a template's flags and personality: the
// chosen row fills the box; "Add" appends the box's text as the last row (an
// empty box adds nothing, a term already listed is added again); "Change"
// overwrites the chosen row with it (also with an empty text); "Del" removes
// the chosen row and chooses the last row left, which fills the box. Which
// text a pick from a vocabulary puts into the box is each window's own rule
// (WireTermPick).
void WireTermList(ListBox* list, QLineEdit* box, QPushButton* add, QPushButton* change,
                  QPushButton* del);
// A pick from `combo` (a vocabulary of terms) goes into `box`: the text
// `pickedText` gives for the chosen row, where it gives one, or without it
// the combo's own text.
void WireTermPick(ComboBox* combo, QLineEdit* box,
                  std::function<std::optional<QString>(int row)> pickedText = {});
// The "Add", "Change" and "Del" buttons of a term list on `frame`, in that
// order, named cmd<term>Add, cmd<term>Change and cmd<term>Del; not placed yet.
void AddTermButtons(QWidget* frame, const char* term, QPushButton*& add, QPushButton*& change,
                    QPushButton*& del);
