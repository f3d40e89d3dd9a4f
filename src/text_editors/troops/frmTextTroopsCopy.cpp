#include "text_editors/troops/frmTextTroopsCopy.h"

#include "platform/MessageBox.h"
#include "platform/gui/Controls.h"
#include "platform/gui/Layout.h"
#include "shell/modMain.h"
#include "text_editors/troops/TroopTables.h"
#include "textfiles/modTextTroops.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <utility>

namespace {

const QString Information = QStringLiteral("Information...");

} // namespace

frmTextTroopsCopy::frmTextTroopsCopy(std::function<void()> copied, QWidget* parent)
    : QDialog(parent), m_copied(std::move(copied)) {
    setObjectName(QStringLiteral("frmTextTroopsCopy"));
    setFont(InterfaceFont());
    setWindowTitle(WindowCaption());
    setFixedSize(Tw(9480), Tw(6240));

    auto* title = Named(new QLabel(QStringLiteral("Troop Copy Functions"), this), "Label3");
    QFont bold = title->font();
    bold.setBold(true);
    bold.setPointSize(12);
    title->setFont(bold);
    Place(title, 120, 120, 7200, 420);
    Place(Named(new QLabel(QStringLiteral("Source"), this), "Label1"), 120, 600, 3600, 255);
    Place(Named(new QLabel(QStringLiteral("Target"), this), "Label2"), 3840, 600, 3600, 255);
    lstSource = Named(new ListBox(this), "lstSource");
    Place(lstSource, 120, 870, 3600, 4800);
    lstTarget = Named(new ListBox(this), "lstTarget");
    lstTarget->setSelectionMode(QAbstractItemView::ExtendedSelection);
    Place(lstTarget, 3840, 870, 3600, 4800);
    Place(Named(new QLabel(QStringLiteral("Target list supports mulitselection! Use STRG + "
                                          "Mousebutton"),
                           this),
                "Label4"),
          120, 5790, 7320, 255);

    auto* frame = Named(new QGroupBox(QStringLiteral("Selection"), this), "Frame1");
    Place(frame, 7560, 780, 1800, 2640);
    const struct {
        CheckBox** box;
        const char* name;
        const char* caption;
    } boxes[] = {{&chkFaction, "chkFaction", "Faction"}, {&chkStats, "chkStats", "Stats"},
                 {&chkProf, "chkProf", "Proficiencies"}, {&chkSkills, "chkSkills", "Skills"},
                 {&chkItems, "chkItems", "Items"},       {&chkFlags, "chkFlags", "Flags"},
                 {&chkFaces, "chkFaces", "Faces"}};
    int top = 300;
    for (const auto& entry : boxes) {
        *entry.box = Named(new CheckBox(QLatin1String(entry.caption), frame), entry.name);
        Place(*entry.box, 120, top, 1620, 255);
        top += 330;
    }

    cmdCopy = Named(new QPushButton(QStringLiteral("Copy"), this), "cmdCopy");
    Place(cmdCopy, 7560, 3660, 1800, 420);
    cmdCopy->setEnabled(false);
    cmdAbort = Named(new QPushButton(QStringLiteral("Close"), this), "cmdAbort");
    Place(cmdAbort, 7560, 4200, 1800, 420);

    connect(lstSource, &ListBox::click, this, &frmTextTroopsCopy::lstSource_Click);
    connect(lstTarget, &ListBox::click, this, &frmTextTroopsCopy::lstTarget_Click);
    // Ctrl with a click may change the selection without moving the current row.
    connect(lstTarget, &QListWidget::itemSelectionChanged, this,
            &frmTextTroopsCopy::lstTarget_Click);
    connect(cmdCopy, &QPushButton::clicked, this, &frmTextTroopsCopy::cmdCopy_Click);
    connect(cmdAbort, &QPushButton::clicked, this, &QDialog::close);

    FillCopyLists();
}

void frmTextTroopsCopy::FillCopyLists() {
    const QStringList rows = TroopListRows();
    lstSource->setRows(rows);
    lstTarget->setRows(rows);
}

void frmTextTroopsCopy::lstSource_Click() {
    if (lstSource->listIndex() < 0)
        return;
    SourceTroop = lstSource->listIndex();
    SourceChosen = true;
    if (TargetChosen)
        cmdCopy->setEnabled(true);
}

void frmTextTroopsCopy::lstTarget_Click() {
    if (!lstTarget->selectedItems().isEmpty())
        TargetChosen = true;
    if (SourceChosen && TargetChosen)
        cmdCopy->setEnabled(true);
}

void frmTextTroopsCopy::cmdCopy_Click() {
    const TroopCopyParts parts{chkFlags->value(), chkFaction->value(), chkItems->value(),
                               chkStats->value(), chkProf->value(),    chkSkills->value(),
                               chkFaces->value()};
    if (!parts.any()) {
        MsgBox(QStringLiteral("Make a selection what to do...!"), MsgButtons::Ok,
               MsgIcon::Information, Information);
        return;
    }
    // The targets are the rows selected now, in list order.
    QList<int> TargetTroops;
    for (const QListWidgetItem* row : lstTarget->selectedItems())
        TargetTroops.append(lstTarget->row(row));
    std::sort(TargetTroops.begin(), TargetTroops.end());
    if (TargetTroops.isEmpty()) {
        MsgBox(QStringLiteral("Select the target troops first...!"), MsgButtons::Ok,
               MsgIcon::Information, Information);
        return;
    }
    // The lines of a troop read out of shape are not that troop's own: copied,
    // they would spread the damage over every target.
    if (!TroopHasSoundShape(SourceTroop)) {
        MsgBox(UnreadableTroopText(SourceTroop), MsgButtons::Ok, MsgIcon::Exclamation,
               QStringLiteral("Unreadable troop..."));
        return;
    }
    const QString warning =
        QStringLiteral("WARNING!\r\n\r\nThis is a very powerful feature! It will copy the checked "
                       "attributes from the selected source troop to all selected ") +
        QStringLiteral("target troops. All target troops will be updated.\r\nThe only way to "
                       "cancel this operation, is exiting the editor ") +
        QStringLiteral("leaving data unsaved!\r\n\r\nContinue?");
    if (MsgBox(warning, MsgButtons::YesNo, MsgIcon::None, QStringLiteral("Batch Copy...")) !=
        MsgAnswer::Yes)
        return;

    PendingFailure failure;
    CopyTroops(SourceTroop, TargetTroops, parts, failure);
    const qsizetype n = TargetTroops.size();
    MsgBox(n == 1 ? QStringLiteral("Attributes of one troop have been copied and updated.")
                  : QStringLiteral("Attributes of ") + QString::number(n) +
                        QStringLiteral(" troops have been copied and updated."),
           MsgButtons::Ok, MsgIcon::Information, Information);
    if (m_copied)
        m_copied();
    ReportPending(failure, QStringLiteral("CopyTroops"));
}
