#include "text_editors/items/frmItemValueControls.h"

#include "platform/gui/Controls.h"
#include "platform/gui/InputBox.h"
#include "platform/gui/Layout.h"
#include "shell/EditorMessages.h"
#include "text_editors/items/frmItemMeshControls.h"

#include <QLabel>

namespace {

struct ValueBoxRow {
    const char* label; // the label's name; empty for labels that never change
    const char* caption;
    const char* box;
};
// In the order of ItemFormValues and ItemValueCaptions.
const std::array<ValueBoxRow, ItemValueControls::ValueBoxCount> ValueBoxRows = {{
    {"", "Cost:", "txtCost"},
    {"", "Weight:", "txtWeight"},
    {"", "Abundance:", "txtAbundance"},
    {"lblHeadArmor", "Head armor:", "txtArmorHead"},
    {"lblBodyArmor", "Body armor:", "txtArmorBody"},
    {"lblV0", "Leg armor:", "txtArmorLegs"},
    {"lblDifficulty", "Difficulty:", "txtDifficulty"},
    {"lblHit", "Hit points:", "txtHit"},
    {"lblV1", "n/a", "txtV1"},
    {"lblV2", "n/a", "txtV2"},
    {"lblV3", "n/a", "txtV3"},
    {"lblV4", "n/a", "txtV4"},
}};

} // namespace

void ItemValueControls::build(QWidget* frame) {
    using Keys = InputBox::Keys;
    constexpr int Top = 3540;
    constexpr int Step = 330;
    for (std::size_t i = 0; i < ValueBoxCount; ++i) {
        const ValueBoxRow& row = ValueBoxRows[i];
        const int top = Top + Step * static_cast<int>(i);
        lblValues[i] = AddLabel(frame, row.label, QLatin1String(row.caption), 120, top + 30, 1500);
        const Keys keys = i == ItemWeightField ? Keys::DigitsAndPoint : Keys::Digits;
        txtValues[i] = AddInputBox(frame, row.box, keys);
        txtValues[i]->filterPastedText();
        Place(txtValues[i], 1680, top, 1800, 285);
    }
    const char* labels[] = {"lblDmg1", "lblDmg2"};
    const char* combos[] = {"cmbDmg1", "cmbDmg2"};
    const char* boxes[] = {"txtDmg1", "txtDmg2"};
    for (std::size_t d = 0; d < 2; ++d) {
        const int top = Top + Step * static_cast<int>(ValueBoxCount + d);
        // The first damage word is the thrust (a shot's, the added damage of
        // ammunition, a charge) and the second the swing, so the texts given
        // lblDmg1 name damage 2 and those given lblDmg2 name damage 1.
        const int labelTop = Top + Step * static_cast<int>(ValueBoxCount + 1 - d);
        lblDmg[d] = AddLabel(frame, labels[d], QStringLiteral("n/a"), 120, labelTop + 30, 1500);
        cmbDmg[d] = Named(new ComboBox(frame), combos[d]);
        cmbDmg[d]->setRows(ItemDamageTypeRows());
        Place(cmbDmg[d], 1680, top, 960, 315);
        InputBox* box = txtDmg[d] = AddInputBox(frame, boxes[d], Keys::Digits);
        box->filterPastedText();
        // Only what the user typed is clamped: an amount above 255 read from the
        // file stays as it was when the focus merely passes through the box.
        box->onLostFocus = [box] {
            if (box->isModified())
                box->setText(ClampedDamageText(box->text()));
        };
        Place(box, 2700, top, 780, 285);
    }
}

void ItemValueControls::show(const ItemForm& form, const ItemTypeLabels& labels) const {
    const std::array<QString, ValueBoxCount> captions = ItemValueCaptions(labels);
    const auto values = ItemFormValues(form);
    for (std::size_t i = 0; i < ValueBoxCount; ++i) {
        SetCaption(lblValues[i], captions[i]);
        txtValues[i]->setText(*values[i]);
    }
    for (std::size_t d = 0; d < 2; ++d) {
        SetCaption(lblDmg[d], labels.damages[d]);
        cmbDmg[d]->setCurrentIndex(form.damageTypes[d]);
        txtDmg[d]->setText(form.damageTexts[d]);
    }
}

void ItemValueControls::read(ItemForm& form) const {
    const auto values = ItemFormValues(form);
    for (std::size_t i = 0; i < ValueBoxCount; ++i)
        *values[i] = txtValues[i]->text();
    for (std::size_t d = 0; d < 2; ++d) {
        form.damageTypes[d] = cmbDmg[d]->listIndex();
        form.damageTexts[d] = txtDmg[d]->text();
    }
}

bool ItemValueControls::keepKeyRules(const ItemForm& shown) const {
    // Text the user put in a number box keeps its key rule, however it came in.
    const auto keeps = [this](const InputBox* box, const QString& before, const char* field) {
        if (box->keepsKeyRule() || box->text() == before)
            return true;
        RefuseDigitsOnly(QLatin1String(field), box == txtValues[ItemWeightField]);
        return false;
    };
    const auto before = ItemFormValues(shown);
    for (std::size_t i = 0; i < ValueBoxCount; ++i) {
        if (!keeps(txtValues[i], *before[i], ItemValueFieldNames[i]))
            return false;
    }
    return keeps(txtDmg[0], shown.damageTexts[0], ItemDamageFieldNames[0]) &&
           keeps(txtDmg[1], shown.damageTexts[1], ItemDamageFieldNames[1]);
}
