#pragma once

#include "text_editors/items/ItemRecord.h"

#include <array>
#include <cstddef>

class ComboBox;
class InputBox;
class QLabel;
class QWidget;

// The value and damage boxes of the item editor's item frame: cost to value 4,
// the labels whose captions follow the item's type, and the two damages with
// their type lists.
struct ItemValueControls {
    static constexpr std::size_t ValueBoxCount = 12;
    std::array<QLabel*, ValueBoxCount> lblValues{};
    std::array<InputBox*, ValueBoxCount> txtValues{};
    std::array<QLabel*, 2> lblDmg{};
    std::array<ComboBox*, 2> cmbDmg{};
    std::array<InputBox*, 2> txtDmg{};

    // Builds and places the boxes in `frame`, below the names and meshes.
    void build(QWidget* frame);
    // Shows the form's values and damages with the captions of `labels`.
    void show(const ItemForm& form, const ItemTypeLabels& labels) const;
    // Reads the values and damages into `form`.
    void read(ItemForm& form) const;
    // Whether every box keeps its key rule where its text is no longer what
    // `shown` holds (a word read from the file goes back as it stood); refuses
    // the first that does not.
    bool keepKeyRules(const ItemForm& shown) const;
};
