#include "ms_editors/troops/frmPythonTroops.h"

#include "module_system/frmPythonNewEntry.h"
#include "module_system/modPythonItems.h"
#include "module_system/modPythonTroops.h"
#include "ms_editors/troops/PythonTroopTable.h"
#include "platform/Convert.h"
#include "platform/MessageBox.h"
#include "platform/System.h"
#include "platform/gui/Controls.h"
#include "platform/gui/Modal.h"
#include "shell/EditorFactories.h"
#include "shell/modCore.h"
#include "shell/modMain.h"

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace {

const QString CrLf = QStringLiteral("\r\n");
constexpr int MaxInventory = 64;
// Height of the window's content below the menu bar, in twips.
constexpr int ContentHeight = 10935;

// A command button whose caption wraps onto several lines.
class WrapButton : public QPushButton {
public:
    WrapButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter p(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.clear();
        p.drawControl(QStyle::CE_PushButton, option);
        p.drawText(rect().adjusted(4, 2, -4, -2), Qt::AlignCenter | Qt::TextWordWrap, text());
    }
};

// The layout is measured in twips for a small dialog font. Fonts differ in
// width from system to system, so the size is the largest that lets the
// longest caption of a fixed-width control fit.
QFont DialogFont() {
    QFont font(QStringLiteral("MS Sans Serif"));
    for (const qreal points : {8.0, 7.5, 7.0, 6.5}) {
        font.setPointSizeF(points);
        if (QFontMetrics(font).horizontalAdvance(QStringLiteral("Delete Item from inventory")) <=
            Tw(1900))
            break;
    }
    return font;
}

template <class W> W* named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QGroupBox* group(QWidget* parent, const char* name, const QString& caption) {
    return named(new QGroupBox(caption, parent), name);
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    return named(new QPushButton(caption, parent), name);
}

QLabel* label(QWidget* parent, const char* name, const QString& caption) {
    return named(new QLabel(caption, parent), name);
}

QLineEdit* textBox(QWidget* parent, const char* name) {
    return named(new QLineEdit(parent), name);
}

// The controls of a term list (attributes, skills), named after `term`:
// cmb<term>, txt<term>, lst<term>, cmd<term>Add/Change/Del and cmdHelp<term>.
void termGroup(QGroupBox* frame, const char* term, ComboBox*& cmb, QLineEdit*& txt, ListBox*& lst,
               QPushButton*& add, QPushButton*& change, QPushButton*& del, QPushButton*& help) {
    const QString t = QLatin1String(term);
    cmb = new ComboBox(frame);
    cmb->setObjectName(QStringLiteral("cmb") + t);
    txt = new QLineEdit(frame);
    txt->setObjectName(QStringLiteral("txt") + t);
    lst = new ListBox(frame);
    lst->setObjectName(QStringLiteral("lst") + t);
    const auto command = [frame](const QString& name, const QString& caption) {
        auto* b = new QPushButton(caption, frame);
        b->setObjectName(name);
        return b;
    };
    add = command(QStringLiteral("cmd") + t + QStringLiteral("Add"), QStringLiteral("Add"));
    change =
        command(QStringLiteral("cmd") + t + QStringLiteral("Change"), QStringLiteral("Change"));
    del = command(QStringLiteral("cmd") + t + QStringLiteral("Del"), QStringLiteral("Del"));
    help = command(QStringLiteral("cmdHelp") + t, QStringLiteral("?"));
}

void place(QWidget* w, int left, int top, int width, int height) {
    w->setGeometry(Tw(left), Tw(top), Tw(width), Tw(height));
}

QStringList listTexts(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}

QStringList profiTemplates() {
    return {QStringLiteral("0"),
            QStringLiteral("wp(100)"),
            QStringLiteral("wpe(100,100,100,100)"),
            QStringLiteral("wpex(100,100,100,100,100,100)"),
            QStringLiteral("wp_melee(100)"),
            QStringLiteral("wp_firearm(100)")};
}

QStringList skillConstants() {
    const char* skills[] = {"trade",
                            "leadership",
                            "prisoner_management",
                            "engineer",
                            "first_aid",
                            "surgery",
                            "wound_treatment",
                            "inventory_management",
                            "spotting",
                            "pathfinding",
                            "tactics",
                            "tracking",
                            "trainer",
                            "horse_archery",
                            "riding",
                            "athletics",
                            "shield",
                            "weapon_master",
                            "power_draw",
                            "power_throw",
                            "power_strike",
                            "ironflesh"};
    QStringList rows;
    for (const char* skill : skills) {
        for (int k = 1; k <= 10; ++k)
            rows.append(QStringLiteral("knows_") + QLatin1String(skill) + u'_' +
                        QString::number(k));
    }
    return rows;
}

QStringList attributeConstants() {
    QStringList rows = {QStringLiteral("level(5)")};
    for (const char* prefix : {"str_", "agi_", "int_", "cha_"}) {
        for (int k = 3; k <= 30; ++k)
            rows.append(QLatin1String(prefix) + QString::number(k));
    }
    return rows;
}

const QString StatsHelpTail =
    QStringLiteral("If you have done this, you can set your own constants instead of each single "
                   "value. There are also a few existing constants at this time.") +
    CrLf + CrLf +
    QStringLiteral("You also can delete the standard values, and adding single values. But this is "
                   "not recommended!");

void information(const QString& text) {
    MsgBox(text, MsgButtons::Ok, MsgIcon::Information, QStringLiteral("Information..."));
}

void refusal(const QString& text) {
    MsgBox(text, MsgButtons::Ok, MsgIcon::Exclamation, QStringLiteral("Information"));
}

// Wires a term list (attributes, skills): the combo and the list fill the text
// box, Add appends it, Change overwrites the current row, Del removes it.
void wireTermList(ComboBox* cmb, QLineEdit* txt, ListBox* lst, QPushButton* add,
                  QPushButton* change, QPushButton* del) {
    QObject::connect(cmb, &ComboBox::click, txt, [cmb, txt] { txt->setText(cmb->currentText()); });
    QObject::connect(lst, &ListBox::click, txt, [lst, txt] {
        if (lst->count() > 0 && lst->currentItem())
            txt->setText(lst->currentItem()->text());
    });
    QObject::connect(add, &QPushButton::clicked, lst, [lst, txt] {
        if (!txt->text().isEmpty())
            lst->addItem(txt->text());
    });
    QObject::connect(change, &QPushButton::clicked, lst, [lst, txt] {
        if (lst->count() > 0 && lst->currentItem())
            lst->currentItem()->setText(txt->text());
    });
    QObject::connect(del, &QPushButton::clicked, lst, [lst] {
        if (lst->count() == 0 || !lst->currentItem())
            return;
        delete lst->takeItem(lst->currentRow());
        if (lst->count() > 0)
            lst->setListIndex(lst->count() - 1);
    });
}

} // namespace

frmPythonTroops::frmPythonTroops(QWidget* parent) : EditorWindow(parent) {
    setObjectName(QStringLiteral("frmPythonTroops"));
    setFont(DialogFont());
    buildControls();
    buildMenus();
    formLoad();
}

void frmPythonTroops::buildControls() {
    frameTroops = named(new QFrame(this), "frameTroops");
    setCentralWidget(frameTroops);
    QWidget* f = frameTroops;

    frameTroopList = group(f, "frameTroopList", QString());
    lblTroops = label(frameTroopList, "lblTroops", QStringLiteral("List of Troops"));
    lstTroops = named(new ListBox(frameTroopList), "lstTroops");
    Label43 = label(frameTroopList, "Label43", QStringLiteral("Filter troops:"));
    txtFilterTroops = textBox(frameTroopList, "txtFilterTroops");
    cmdFilterTroops = button(frameTroopList, "cmdFilterTroops", QStringLiteral("Go"));

    lblTroopEditor = label(f, "lblTroopEditor", QStringLiteral("Troop Editor"));
    QFont header = lblTroopEditor->font();
    header.setBold(true);
    lblTroopEditor->setFont(header);
    frameAdd = group(f, "frameAdd", QStringLiteral("Add/Delete Item"));
    cmdAddTroop = button(frameAdd, "cmdAddTroop", QStringLiteral("Add"));
    cmdDeleteTroop = button(frameAdd, "cmdDeleteTroop", QStringLiteral("Delete"));
    framePython = group(f, "framePython", QStringLiteral("Show python"));
    cmdShowPython = button(framePython, "cmdShowPython", QStringLiteral("Show troop"));
    frameEdit = group(f, "frameEdit", QStringLiteral("Update && Save Changes"));
    cmdUpdate = button(frameEdit, "cmdUpdate", QStringLiteral("Update troop"));
    cmdSave = button(frameEdit, "cmdSave", QStringLiteral("Save Changes "));

    frameTroop = group(f, "frameTroop", QStringLiteral("Troop"));
    QWidget* t = frameTroop;
    frameNames = group(t, "frameNames", QStringLiteral("Names"));
    label(frameNames, "lblTroopID", QStringLiteral("Troop ID:"));
    label(frameNames, "lblTroopName", QStringLiteral("Single:"));
    label(frameNames, "lblTroopNamePl", QStringLiteral("Plural:"));
    txtTroopID = textBox(frameNames, "txtTroopID");
    txtTroopName = textBox(frameNames, "txtTroopName");
    txtTroopNamePl = textBox(frameNames, "txtTroopNamePl");
    FrameFlags = group(t, "FrameFlags", QStringLiteral("Flags"));
    lstFlags = named(new ListBox(FrameFlags), "lstFlags");
    lstFlags->setSelectionMode(QAbstractItemView::MultiSelection);
    frameScene = group(t, "frameScene", QStringLiteral("Scene | scene entry point"));
    txtScene = textBox(frameScene, "txtScene");
    txtReserved = textBox(frameScene, "txtReserved");
    frameFactions = group(t, "frameFactions", QStringLiteral("Faction"));
    txtFaction = textBox(frameFactions, "txtFaction");

    frameItems = group(t, "frameItems", QStringLiteral("Items"));
    lstItems = named(new ListBox(frameItems), "lstItems");
    lstItems->setSelectionMode(QAbstractItemView::ExtendedSelection);
    cmdItemUp = button(frameItems, "cmdItemUp", QStringLiteral("Up"));
    cmdItemDown = button(frameItems, "cmdItemDown", QStringLiteral("Down"));
    cmdRemoveItem =
        button(frameItems, "cmdRemoveItem", QStringLiteral("Delete Item from inventory"));
    lblItems = label(frameItems, "lblItems", QStringLiteral("Available Items:"));
    lstAvailableItems = named(new ListBox(frameItems), "lstAvailableItems");
    cmdAddItem = button(frameItems, "cmdAddItem", QStringLiteral("Add selected item to inventory"));
    lblAddItem = label(frameItems, "lblAddItem", QStringLiteral("Add item via number:"));
    txtItemNr = textBox(frameItems, "txtItemNr");
    cmdAddItemNr = button(frameItems, "cmdAddItemNr", QStringLiteral("Add item"));
    Label17 = label(frameItems, "Label17", QStringLiteral("Filter items:"));
    txtItemFilter = textBox(frameItems, "txtItemFilter");
    cmdFilterItems = button(frameItems, "cmdFilterItems", QStringLiteral("Go"));

    frameStats = group(t, "frameStats", QStringLiteral("Attributes"));
    termGroup(frameStats, "Attrib", cmbAttrib, txtAttrib, lstAttrib, cmdAttribAdd, cmdAttribChange,
              cmdAttribDel, cmdHelpAttrib);
    frameProfiencies = group(t, "frameProfiencies", QStringLiteral("Weapon proficiencies"));
    cmbProfi = named(new ComboBox(frameProfiencies), "cmbProfi");
    txtProfi = textBox(frameProfiencies, "txtProfi");
    cmdHelpProfi = button(frameProfiencies, "cmdHelpProfi", QStringLiteral("?"));
    FrameSkills = group(t, "FrameSkills", QStringLiteral("Skills"));
    termGroup(FrameSkills, "Skills", cmbSkills, txtSkills, lstSkills, cmdSkillsAdd, cmdSkillsChange,
              cmdSkillsDel, cmdHelpSkills);

    frameFaceCode = group(t, "frameFaceCode",
                          QStringLiteral("Faces (Use second face to generate random faces between "
                                         "face 1 and face 2  - only for recruitable troops / no "
                                         "heros)"));
    label(frameFaceCode, "lblFace1", QStringLiteral("Face code 1:"));
    label(frameFaceCode, "lblFace2", QStringLiteral("Face code 2:"));
    label(frameFaceCode, "lblTroopImage", QStringLiteral("Alt. troop image:"));
    QFont fixed(QStringLiteral("Fixedsys"));
    fixed.setStyleHint(QFont::TypeWriter);
    txtFace1 = textBox(frameFaceCode, "txtFace1");
    txtFace2 = textBox(frameFaceCode, "txtFace2");
    txtTroopImage = textBox(frameFaceCode, "txtTroopImage");
    for (QLineEdit* face : {txtFace1, txtFace2, txtTroopImage})
        face->setFont(fixed);
    cmdFaceCode = named(
        new WrapButton(QStringLiteral("How can I get this code from the game?"), frameFaceCode),
        "cmdFaceCode");
    framePgrade = group(t, "framePgrade", QStringLiteral("Upgrade paths"));
    label(framePgrade, "lblUpgrade1", QStringLiteral("Upgrade Path 1:"));
    label(framePgrade, "Label5", QStringLiteral("Upgrade Path 2:"));
    cmbUpgrade1 = named(new ComboBox(framePgrade), "cmbUpgrade1");
    cmbUpgrade2 = named(new ComboBox(framePgrade), "cmbUpgrade2");
    // A path may name an id that is none of the rows, so the combos take text.
    cmbUpgrade1->setEditable(true);
    cmbUpgrade2->setEditable(true);

    // Behaviour.
    connect(lstTroops, &ListBox::click, this, [this] { lstTroops_Click(); });
    connect(cmdFilterTroops, &QPushButton::clicked, this, [this] { cmdFilterTroops_Click(); });
    connect(cmdFilterItems, &QPushButton::clicked, this, [this] { cmdFilterItems_Click(); });
    connect(cmdAddTroop, &QPushButton::clicked, this, [this] { AddPythonTroop(); });
    connect(cmdDeleteTroop, &QPushButton::clicked, this, [this] { cmdDeleteTroop_Click(); });
    connect(cmdShowPython, &QPushButton::clicked, this, [this] { cmdShowPython_Click(); });
    connect(cmdUpdate, &QPushButton::clicked, this, [this] { UpdatePythonTroop(true); });
    connect(cmdSave, &QPushButton::clicked, this, [this] { cmdSave_Click(); });
    connect(cmdAddItem, &QPushButton::clicked, this, [this] { cmdAddItem_Click(); });
    connect(cmdAddItemNr, &QPushButton::clicked, this, [this] { cmdAddItemNr_Click(); });
    connect(cmdRemoveItem, &QPushButton::clicked, this, [this] { cmdRemoveItem_Click(); });
    connect(cmdItemUp, &QPushButton::clicked, this, [this] { moveItems(false); });
    connect(cmdItemDown, &QPushButton::clicked, this, [this] { moveItems(true); });
    connect(cmbProfi, &ComboBox::click, this, [this] { cmbProfi_Click(); });
    wireTermList(cmbAttrib, txtAttrib, lstAttrib, cmdAttribAdd, cmdAttribChange, cmdAttribDel);
    wireTermList(cmbSkills, txtSkills, lstSkills, cmdSkillsAdd, cmdSkillsChange, cmdSkillsDel);

    connect(cmdHelpProfi, &QPushButton::clicked, this, [] {
        information(QStringLiteral("Choose a declaration of the weapon proficiencies from this "
                                   "combo box, then exchange the value (100) in the round "
                                   "bracket.") +
                    CrLf +
                    QStringLiteral("You find the declarations of the weapon proficiencies above "
                                   "the troops in the file module_troops.py, and you can also "
                                   "change it there."));
    });
    connect(cmdHelpSkills, &QPushButton::clicked, this, [] {
        information(QStringLiteral("The easiest way to set the skills of your troops is declaring "
                                   "a few constants above the troops in module_troops.py!") +
                    CrLf + StatsHelpTail);
    });
    connect(cmdHelpAttrib, &QPushButton::clicked, this, [] {
        information(QStringLiteral("The easiest way to set the attributes of your troops is "
                                   "declaring a few constants above the troops in "
                                   "module_troops.py!") +
                    CrLf + StatsHelpTail);
    });
    connect(cmdFaceCode, &QPushButton::clicked, this, [] {
        MsgBox(QStringLiteral("This is a face code - you can generate this in the game. First, "
                              "enable edit mode in your game configuration, then start the game.") +
                   CrLf +
                   QStringLiteral("Press C to open character information. Click on your "
                                  "charaters face. Change your face. Press CTRL+E, the face code "
                                  "of the generated face ") +
                   CrLf +
                   QStringLiteral("will be displayed in the top of the screen. Press this button "
                                  "to copy the face code to the clipboard. Then insert it to the "
                                  "editor field, by pressing CTRL+V."),
               MsgButtons::Ok, MsgIcon::Information, QStringLiteral("How to get the face code..."));
    });

    for (QLineEdit* box : {txtFilterTroops, txtItemFilter, txtItemNr, txtTroopID, txtTroopImage})
        box->installEventFilter(this);
}

void frmPythonTroops::buildMenus() {
    addFileMenu(QStringLiteral("mnu_file_mainmenu"), QStringLiteral("mnu_file_blank1"),
                QStringLiteral("&Back to main meu"));
    const auto action = [this](QMenu* menu, const char* name, const QString& caption) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("mnu_edit"));
    mnu_edit_add = action(edit, "mnu_edit_add", QStringLiteral("&Add troop"));
    mnu_edit_del = action(edit, "mnu_edit_del", QStringLiteral("&Delete troop"));
    edit->addSeparator()->setObjectName(QStringLiteral("mnu_editor_blank1"));
    mnu_edit_scan = action(edit, "mnu_edit_scan", QStringLiteral("Scan module_troops.py"));
    connect(mnu_edit_add, &QAction::triggered, this, [this] { AddPythonTroop(); });
    connect(mnu_edit_del, &QAction::triggered, this, [this] { cmdDeleteTroop_Click(); });
    connect(mnu_edit_scan, &QAction::triggered, this, [this] { ScanPythonTroops(); });

    QMenu* view = menuBar()->addMenu(QStringLiteral("View"));
    view->setObjectName(QStringLiteral("mnu_view"));
    for (int size = 7; size <= 10; ++size) {
        const QByteArray name = "mnu_view_font" + QByteArray::number(size);
        QAction* a = action(view, name.constData(),
                            QStringLiteral("List font size ") + QString::number(size));
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, size] { SetListFontSize(size); });
        mnu_view_font.append(a);
    }
    view->addSeparator()->setObjectName(QStringLiteral("mnu_view_blank1"));
    mnu_view_1024 = action(view, "mnu_view_1024", QStringLiteral("Screen width 1024"));
    mnu_view_1280 = action(view, "mnu_view_1280", QStringLiteral("Screen width 1280 (or higher)"));
    mnu_view_1024->setCheckable(true);
    mnu_view_1280->setCheckable(true);
    connect(mnu_view_1024, &QAction::triggered, this, [this] { SetScreenWidth(1024); });
    connect(mnu_view_1280, &QAction::triggered, this, [this] { SetScreenWidth(1280); });

    QMenu* editors = menuBar()->addMenu(QStringLiteral("&Python editor"));
    editors->setObjectName(QStringLiteral("mnu_pythonedit"));
    QAction* troops = action(editors, "mnu_editor_troops", QStringLiteral("module_&troops.py"));
    troops->setCheckable(true);
    troops->setChecked(true);
    QAction* items = action(editors, "mnu_editor_items", QStringLiteral("module_&items.py"));
    action(editors, "mnu_editor_parties", QStringLiteral("module_&parties.py"))->setEnabled(false);
    QAction* pt = action(editors, "mnu_editor_pt", QStringLiteral("module_part&y_templates.py"));
    action(editors, "mnu_editor_factions", QStringLiteral("module_faction.py"))->setEnabled(false);
    connect(items, &QAction::triggered, this, [this] { switchTo(ShowPythonItems); });
    connect(pt, &QAction::triggered, this, [this] { switchTo(ShowPythonPartyTemp); });

    QMenu* help = menuBar()->addMenu(QStringLiteral("?"));
    help->setObjectName(QStringLiteral("mnu_help"));
    connect(action(help, "mnu_help_about", QStringLiteral("&About")), &QAction::triggered, this,
            [] { ShowAboutWindow(); });
}

void frmPythonTroops::formLoad() {
    setWindowTitle(WindowCaption(QStringLiteral("  - Phyton troop editor")));
    SetScreenWidth(ScreenWidth);
    SetListFontSize(ListFontSize);
    CurTroopLine = -1;
    frameTroop->setEnabled(false);
    frameEdit->setEnabled(false);
    frameTroopList->setEnabled(false);
    lblTroopEditor->setText(QStringLiteral("Troop Editor\n") + ModuleSystemDirectory +
                            QStringLiteral("module_troops.py"));

    m_flagRows = PythonTroopFlagVocabulary();
    lstFlags->setRows(m_flagRows);
    // A separator row is no flag: written into the entry it would break it.
    for (int r = 0; r < lstFlags->count(); ++r) {
        if (!IsPythonTroopFlagSeparator(m_flagRows[r]))
            continue;
        QListWidgetItem* row = lstFlags->item(r);
        row->setFlags(row->flags() & ~Qt::ItemIsSelectable);
    }
    cmbProfi->setRows({QStringLiteral("Custom weapon proficiencies"),
                       QStringLiteral("All weapons - wp(x)"),
                       QStringLiteral("Melee, distance - wpe(m,a,c,t)"),
                       QStringLiteral("Single weapon - wpex(o,w,p,a,c,t)"),
                       QStringLiteral("Melee only - wp_melee(x)"),
                       QStringLiteral("Firearms only - wp_firearm(x)")});
    cmbProfi->setListIndex(0);
    cmbSkills->setRows(skillConstants());
    cmbAttrib->setRows(attributeConstants());
    UnsavedTroops = false;
    BackToMain = false;

    LoadPythonItems();
    LoadPythonTroops();
    FillAvailableItems();
    FillPythonTroopList();
    FillUpgradeCombos();
    frameTroopList->setEnabled(true);
}

// ---- View

void frmPythonTroops::SetScreenWidth(int width) {
    // A stored width that the menu does not offer still gets a usable layout.
    layOut(OfferedScreenWidth(width));
    mnu_view_1024->setChecked(width == 1024);
    mnu_view_1280->setChecked(width == 1280);
    if (const QScreen* s = screen()) {
        const QRect area = s->availableGeometry();
        move(std::max(0, area.left() + (area.width() - frameGeometry().width()) / 2),
             std::max(0, y()));
    }
    ScreenWidth = std::int16_t(width);
    SaveViewSettings();
}

void frmPythonTroops::SetListFontSize(int size) {
    for (int i = 0; i < mnu_view_font.size(); ++i)
        mnu_view_font[i]->setChecked(size == 7 + i);
    QFont font(QStringLiteral("Microsoft Sans Serif"));
    font.setPointSize(OfferedFontSize(size));
    for (ListBox* list : {lstItems, lstAvailableItems, lstTroops})
        list->setFont(font);
    ListFontSize = std::int16_t(size);
    SaveViewSettings();
}

void frmPythonTroops::layOut(int width) {
    const bool wide = width == 1280;
    const auto w = [wide](int narrow, int broad) { return wide ? broad : narrow; };

    frameTroops->setFixedSize(Tw(w(15360, 19200)), Tw(ContentHeight));
    place(lblTroopEditor, 120, 60, w(6840, 10695), 855);
    place(frameAdd, w(7050, 10935), 0, 2235, 900);
    place(cmdAddTroop, 120, 300, 960, 450);
    place(cmdDeleteTroop, 1155, 300, 960, 450);
    place(framePython, w(9375, 13260), 0, 1830, 900);
    place(cmdShowPython, 120, 300, 1590, 450);
    place(frameEdit, w(11295, 15180), 0, 3945, 900);
    place(cmdUpdate, 120, 300, 1800, 450);
    place(cmdSave, 2010, 300, 1800, 450);

    place(frameTroopList, 45, 960, w(3825, 5745), 9915);
    place(lblTroops, 60, 240, w(3705, 5625), 255);
    place(lstTroops, 30, 540, w(3765, 5685), 8880);
    place(Label43, 60, 9510, 1110, 255);
    place(txtFilterTroops, 1200, 9480, w(1905, 3810), 315);
    place(cmdFilterTroops, w(3165, 5100), 9465, 600, 345);

    place(frameTroop, w(3915, 5860), 960, w(11250, 13185), 9915);
    place(frameNames, 120, 240, 3555, 1395);
    const char* nameLabels[] = {"lblTroopID", "lblTroopName", "lblTroopNamePl"};
    QLineEdit* nameBoxes[] = {txtTroopID, txtTroopName, txtTroopNamePl};
    for (int i = 0; i < 3; ++i) {
        place(frameNames->findChild<QLabel*>(QLatin1String(nameLabels[i])), 120, 330 + 360 * i, 930,
              255);
        place(nameBoxes[i], 1080, 300 + 360 * i, 2355, 315);
    }
    place(FrameFlags, 120, 1680, 3555, 6660);
    place(lstFlags, 120, 270, 3315, 6270);

    place(frameScene, 3780, 240, 3600, 720);
    place(txtScene, 120, 300, 1620, 315);
    place(txtReserved, 1860, 300, 1620, 315);
    place(frameFactions, 3780, 1005, 3600, 675);
    place(txtFaction, 120, 270, 3360, 315);
    const auto termFrame = [](QGroupBox* frame, int top, ComboBox* cmb, QPushButton* help,
                              QLineEdit* txt, ListBox* lst, QPushButton* add, QPushButton* change,
                              QPushButton* del) {
        place(frame, 3780, top, 3600, 2220);
        place(cmb, 120, 270, 2700, 315);
        place(help, 2880, 270, 600, 315);
        place(txt, 120, 660, 2700, 315);
        place(lst, 120, 1050, 2340, 1050);
        place(add, 2520, 1050, 960, 330);
        place(change, 2520, 1410, 960, 330);
        place(del, 2520, 1770, 960, 330);
    };
    termFrame(frameStats, 1725, cmbAttrib, cmdHelpAttrib, txtAttrib, lstAttrib, cmdAttribAdd,
              cmdAttribChange, cmdAttribDel);
    place(frameProfiencies, 3780, 3990, 3600, 1080);
    place(cmbProfi, 120, 270, 2700, 315);
    place(cmdHelpProfi, 2880, 270, 600, 315);
    place(txtProfi, 120, 660, 3360, 315);
    termFrame(FrameSkills, 5115, cmbSkills, cmdHelpSkills, txtSkills, lstSkills, cmdSkillsAdd,
              cmdSkillsChange, cmdSkillsDel);
    place(framePgrade, 3780, 7380, 3600, 960);
    place(framePgrade->findChild<QLabel*>(QStringLiteral("lblUpgrade1")), 120, 285, 1200, 255);
    place(framePgrade->findChild<QLabel*>(QStringLiteral("Label5")), 120, 645, 1200, 255);
    place(cmbUpgrade1, 1320, 240, 2160, 315);
    place(cmbUpgrade2, 1320, 600, 2160, 315);

    place(frameItems, 7440, 240, w(3705, 5655), 8100);
    place(lstItems, 135, 270, w(3435, 5400), 2400);
    place(cmdItemUp, 135, 2730, 600, 345);
    place(cmdItemDown, 795, 2730, 600, 345);
    place(cmdRemoveItem, w(1455, 3390), 2730, 2115, 345);
    place(lblItems, 135, 3180, w(3435, 5400), 255);
    place(lstAvailableItems, 135, 3450, w(3435, 5400), 2400);
    place(cmdAddItem, 135, 5910, w(3435, 5400), 345);
    place(lblAddItem, w(120, 2055), 6375, 1560, 255);
    place(txtItemNr, w(1710, 3645), 6330, 675, 315);
    place(cmdAddItemNr, w(2445, 4380), 6315, 1125, 345);
    place(Label17, 135, 6795, 885, 255);
    place(txtItemFilter, w(1020, 1020), 6750, w(1965, 3900), 315);
    place(cmdFilterItems, w(3045, 5025), 6735, 525, 345);

    place(frameFaceCode, 120, 8400, w(11025, 12975), 1425);
    const char* faceLabels[] = {"lblFace1", "lblFace2", "lblTroopImage"};
    QLineEdit* faceBoxes[] = {txtFace1, txtFace2, txtTroopImage};
    for (int i = 0; i < 3; ++i) {
        place(frameFaceCode->findChild<QLabel*>(QLatin1String(faceLabels[i])), 120, 300 + 360 * i,
              1200, 255);
        place(faceBoxes[i], 1320, 270 + 360 * i, w(8295, 10200), 315);
    }
    place(cmdFaceCode, w(9690, 11610), 270, 1215, 1035);

    resize(frameTroops->width(), frameTroops->height() + menuBar()->sizeHint().height());
}

// ---- Lists and filters

void frmPythonTroops::FillPythonTroopList() {
    m_troopRows = BuildPythonEntryRows(PyTroopLines, PyTroopMax, QStringLiteral("trp_"));
    lstTroops->setRows(m_troopRows.texts);
    lblTroops->setText(QStringLiteral("List of troops (") + QString::number(m_troopRows.count()) +
                       u')');
    selectShownRowQuietly();
}

void frmPythonTroops::FillUpgradeCombos() {
    const QStringList ids = PythonEntryIds(PyTroopLines, PyTroopMax);
    cmbUpgrade1->setRows(ids);
    cmbUpgrade2->setRows(ids);
}

void frmPythonTroops::FillAvailableItems() {
    m_itemRows = BuildPythonEntryRows(PyItemLines, PyItemMax, QStringLiteral("itm_"));
    lstAvailableItems->setRows(m_itemRows.texts);
    lblItems->setText(QStringLiteral("Available items (") + QString::number(m_itemRows.count()) +
                      u')');
}

void frmPythonTroops::selectShownRowQuietly() {
    // A rebuilt list keeps the shown troop marked, without showing it anew
    // (which would throw away what the form holds).
    const int row = int(m_troopRows.lines.indexOf(CurTroopLine));
    if (row < 0)
        return;
    const QSignalBlocker quiet(lstTroops);
    lstTroops->setCurrentRow(row);
}

void frmPythonTroops::cmdFilterTroops_Click() {
    if (txtFilterTroops->text().isEmpty()) {
        TroopFilterActive = false;
        FillPythonTroopList();
        return;
    }
    const QString filter = txtFilterTroops->text().toLower();
    txtFilterTroops->setText(filter);
    txtFilterTroops->setCursorPosition(int(filter.size()));
    const PythonEntryRows rows =
        BuildPythonEntryRows(PyTroopLines, PyTroopMax, QStringLiteral("trp_"), filter);
    if (rows.count() == 0) {
        TroopFilterActive = false;
        FillPythonTroopList();
        txtFilterTroops->clear();
        Beep();
        return;
    }
    TroopFilterActive = true;
    m_troopRows = rows;
    lstTroops->setRows(rows.texts);
    lblTroops->setText(QStringLiteral("List of troops (") + QString::number(rows.count()) +
                       QStringLiteral(", filtered)"));
    selectShownRowQuietly();
}

void frmPythonTroops::cmdFilterItems_Click() {
    if (txtItemFilter->text().isEmpty()) {
        FillAvailableItems();
        return;
    }
    const QString filter = txtItemFilter->text().toLower();
    txtItemFilter->setText(filter);
    txtItemFilter->setCursorPosition(int(filter.size()));
    const PythonEntryRows rows =
        BuildPythonEntryRows(PyItemLines, PyItemMax, QStringLiteral("itm_"), filter);
    if (rows.count() == 0) {
        FillAvailableItems();
        txtItemFilter->clear();
        Beep();
        return;
    }
    m_itemRows = rows;
    lstAvailableItems->setRows(rows.texts);
    lblItems->setText(QStringLiteral("Available items (") + QString::number(rows.count()) +
                      QStringLiteral(", filtered)"));
}

// ---- Showing a troop

void frmPythonTroops::lstTroops_Click() {
    const int row = lstTroops->listIndex();
    CurTroopLine = FindPythonTroopLine(m_troopRows, row, PyTroopLines);
    EnableTroopButtons(false);
    ShowPythonTroop();
    cmdUpdate->setText(QStringLiteral("Update Troop"));
    frameAdd->setEnabled(true);
    framePython->setEnabled(true);
    // With nothing shown the troop cannot be edited or updated, but what was
    // changed before can still be saved.
    frameTroop->setEnabled(CurTroopLine >= 0);
    frameEdit->setEnabled(true);
    cmdUpdate->setEnabled(CurTroopLine >= 0 && m_troopReadable);
}

void frmPythonTroops::clearTroopFields() {
    lstItems->clear();
    lstFlags->clearSelection();
    cmbProfi->setListIndex(0);
    cmbAttrib->setListIndex(-1);
    txtAttrib->clear();
    cmbSkills->setListIndex(-1);
    txtSkills->clear();
    for (QLineEdit* box : {txtTroopID, txtTroopName, txtTroopNamePl, txtScene, txtReserved,
                           txtFaction, txtFace1, txtFace2, txtTroopImage})
        box->clear();
    lstSkills->clear();
    lstAttrib->clear();
    cmbUpgrade1->setEditText(QString());
    cmbUpgrade2->setEditText(QString());
    showItemCount();
}

void frmPythonTroops::ShowPythonTroop() {
    // Every field is cleared first, so nothing of the troop shown before can
    // slip into this one.
    clearTroopFields();
    m_shownTroop = PythonTroop();
    m_shownPaths = PythonUpgrade();
    m_troopReadable = false;
    if (CurTroopLine < 0)
        return;

    const PythonTroopParse parsed = ParsePythonTroop(PyTroopLines[CurTroopLine]);
    m_shownTroop = parsed.troop;
    m_troopReadable = parsed.complete;
    const int knownFlags = int(m_flagRows.size());
    QList<int> selected;
    const PythonTroop shown = PythonTroopAsShown(parsed.troop, m_flagRows, &selected);
    if (m_flagRows.size() > knownFlags)
        lstFlags->addItems(m_flagRows.mid(knownFlags));
    showTroopFields(shown, selected);

    const int upgrade = FindUpgradeLine(PyTroopLines, PyTroopMax, shown.id);
    if (upgrade >= 0) {
        m_shownPaths = *ParseUpgradeLine(PyTroopLines[upgrade]);
        cmbUpgrade1->setEditText(m_shownPaths.target1);
        cmbUpgrade2->setEditText(m_shownPaths.target2);
    }
    if (!parsed.complete)
        refusal(QStringLiteral("The entry of this troop could not be read completely, so it can't "
                               "be updated or used as a template. Please check its syntax in "
                               "module_troops.py!"));
}

void frmPythonTroops::showTroopFields(const PythonTroop& t, const QList<int>& flagRows) {
    txtTroopID->setText(t.id);
    txtTroopName->setText(t.name);
    txtTroopNamePl->setText(t.namePl);
    for (int row : flagRows)
        lstFlags->item(row)->setSelected(true);
    {
        const QSignalBlocker quiet(lstFlags);
        lstFlags->setCurrentRow(-1, QItemSelectionModel::NoUpdate);
    }
    txtScene->setText(t.scene);
    txtReserved->setText(t.reserved);
    txtFaction->setText(t.faction);
    lstItems->setRows(t.items);
    showItemCount();
    lstAttrib->setRows(t.attributes);
    txtProfi->setText(t.proficiencies);
    lstSkills->setRows(t.skills);
    txtFace1->setText(t.face1);
    txtFace2->setText(t.face2);
    txtTroopImage->setText(t.image);
}

void frmPythonTroops::showItemCount() {
    InvItemCount = lstItems->count();
    frameItems->setTitle(QStringLiteral("Items (") + QString::number(InvItemCount) +
                         QStringLiteral(" of 64 used)"));
}

// ---- Storing a troop

PythonTroop frmPythonTroops::formTroop() const {
    PythonTroop t;
    t.id = txtTroopID->text();
    t.name = txtTroopName->text();
    t.namePl = txtTroopNamePl->text();
    for (int r = 0; r < lstFlags->count(); ++r) {
        if (lstFlags->item(r)->isSelected())
            t.flags.append(lstFlags->item(r)->text());
    }
    t.scene = txtScene->text();
    t.reserved = txtReserved->text();
    t.faction = txtFaction->text();
    t.items = listTexts(lstItems);
    t.attributes = listTexts(lstAttrib);
    t.proficiencies = txtProfi->text();
    t.skills = listTexts(lstSkills);
    t.face1 = txtFace1->text();
    t.face2 = txtFace2->text();
    t.image = txtTroopImage->text();
    return t;
}

bool frmPythonTroops::formTextsAcceptable() {
    if (txtTroopID->text().isEmpty()) {
        refusal(QStringLiteral("Please enter an ID for the troop!"));
        txtTroopID->setFocus();
        return false;
    }
    // An empty field would leave two commas side by side in the entry.
    for (QLineEdit* field : {txtScene, txtReserved, txtFaction, txtProfi}) {
        if (field->text().trimmed().isEmpty()) {
            refusal(QStringLiteral("The scene, the reserved field, the faction and the weapon "
                                   "proficiencies can't be empty!"));
            field->setFocus();
            return false;
        }
    }
    // What was read from the file goes back as it was; typed text must not end
    // the string early or break the line.
    const struct {
        QWidget* box;
        QString text;
        QString read;
    } texts[] = {{txtTroopID, txtTroopID->text(), m_shownTroop.id},
                 {txtTroopName, txtTroopName->text(), m_shownTroop.name},
                 {txtTroopNamePl, txtTroopNamePl->text(), m_shownTroop.namePl},
                 {cmbUpgrade1, cmbUpgrade1->currentText(), m_shownPaths.target1},
                 {cmbUpgrade2, cmbUpgrade2->currentText(), m_shownPaths.target2}};
    for (const auto& t : texts) {
        if (t.text != t.read && !IsPlainPythonString(t.text)) {
            refusal(QStringLiteral("Double quotes, backslashes and line breaks are not allowed in "
                                   "the troop ID, the names and the upgrade paths!"));
            t.box->setFocus();
            return false;
        }
    }
    return true;
}

bool frmPythonTroops::UpdatePythonTroop(bool showMessage) {
    if (!TroopAddMode && (CurTroopLine < 0 || !m_troopReadable)) {
        refusal(CurTroopLine < 0 ? QStringLiteral("Please select a troop first!")
                                 : QStringLiteral("The entry of this troop could not be read "
                                                  "completely, so it can't be updated!"));
        return false;
    }
    if (!formTextsAcceptable())
        return false;
    const QString u1 = cmbUpgrade1->currentText();
    const QString u2 = cmbUpgrade2->currentText();
    const QString id = txtTroopID->text();
    if (TroopAddMode && PythonTroopIdUsed(PyTroopLines, PyTroopMax, id)) {
        information(QStringLiteral("This troop ID is used by another item. Please change the ID!"));
        txtTroopID->setFocus();
        txtTroopID->setCursorPosition(int(id.size()));
        return false;
    }

    const QString entry = BuildPythonTroopEntry(formTroop());
    const QString name = txtTroopName->text();
    if (TroopAddMode) {
        InsertPythonTroopEntry(PyTroopLines, PyTroopMax, PyTroopLastEntry, InsertTroopLine, entry);
        listNewTroop();
        EnableTroopButtons(false);
        cmbUpgrade1->setEditText(u1);
        cmbUpgrade2->setEditText(u2);
        if (showMessage)
            showResult(QStringLiteral("Troop added..."),
                       QStringLiteral("Troop added to python line # ") +
                           QString::number(InsertTroopLine) + QStringLiteral(" - '") + id +
                           QStringLiteral("'. This is the new entry:"),
                       entry);
    } else {
        PyTroopLines[CurTroopLine] = entry;
        m_shownTroop = ParsePythonTroop(entry).troop;
        const int r = lstTroops->listIndex();
        if (r >= 0) {
            const QString row = PythonEntryRow(r + 1, QStringLiteral("trp_"), id, name);
            lstTroops->item(r)->setText(row);
            m_troopRows.texts[r] = row;
        }
        if (showMessage)
            showResult(QStringLiteral("Troop updated..."),
                       QStringLiteral("Troop # ") + QString::number(r) + QStringLiteral(" - '") +
                           id + QStringLiteral("' has been updated. This is the updated line:"),
                       entry);
    }

    WriteUpgradeLine(PyTroopLines, PyTroopMax, id, u1, u2);
    m_shownPaths = PythonUpgrade{id, u1, u2};
    FillUpgradeCombos();
    cmbUpgrade1->setEditText(u1);
    cmbUpgrade2->setEditText(u2);
    UnsavedTroops = true;
    return true;
}

void frmPythonTroops::listNewTroop() {
    const QString id = txtTroopID->text();
    const QString filter = txtFilterTroops->text();
    if (TroopFilterActive && !StrContains(id, filter)) {
        // The new troop does not pass the filter: it joins the list as it is.
        for (int& line : m_troopRows.lines) {
            if (line >= InsertTroopLine)
                ++line;
        }
        const QString row =
            PythonEntryRow(m_troopRows.count(), QStringLiteral("trp_"), id, txtTroopName->text());
        m_troopRows.append(row, InsertTroopLine);
        lstTroops->addItem(row);
        lstTroops->setListIndex(lstTroops->count() - 1);
        return;
    }
    if (TroopFilterActive)
        cmdFilterTroops_Click();
    else
        FillPythonTroopList();
    lstTroops->setListIndex(int(m_troopRows.lines.indexOf(InsertTroopLine)));
}

void frmPythonTroops::showResult(const QString& title, const QString& text, const QString& entry) {
    MsgTitle = title;
    MsgText = text;
    MsgEntry = entry;
    ShowMessageWindow();
}

void frmPythonTroops::EnableTroopButtons(bool addMode) {
    TroopAddMode = addMode;
    for (QPushButton* b : {cmdSave, cmdDeleteTroop, cmdAddTroop, cmdUpdate, cmdShowPython})
        b->setEnabled(!addMode);
    mnu_edit_del->setEnabled(!addMode);
    mnu_edit_add->setEnabled(!addMode);
}

// ---- Adding, deleting, rewriting

void frmPythonTroops::AddPythonTroop() {
    if (CurTroopLine >= 0 && CurTroopLine <= PyTroopHardwired) {
        refusal(QStringLiteral("The selected troop is hardwired to the game, select another troop "
                               "as template!"));
        return;
    }
    const int r = lstTroops->listIndex();
    if (r < 0 || CurTroopLine < 0) {
        MsgBox(QStringLiteral("Please select an troop as template!"), MsgButtons::Ok,
               MsgIcon::Information, QStringLiteral("Add new troop..."));
        return;
    }
    if (!m_troopReadable) {
        refusal(QStringLiteral("The entry of this troop could not be read completely, so it can't "
                               "be used as a template!"));
        return;
    }
    NewEntryChoice = 0;
    NewEntryTitle = QStringLiteral("Add new troop?");
    NewEntryText = QStringLiteral("The form will be filled with data from troop # ") +
                   QString::number(r + 1) + QStringLiteral("!") + CrLf + CrLf +
                   QStringLiteral("Hit 'Add troop' in the troop editor form to complete the "
                                  "process. Selecting a troop from the list will abort adding a "
                                  "troop.") +
                   CrLf + CrLf + QStringLiteral("Where do you want to add the new troop?");
    ShowPythonNewEntry();
    if (NewEntryChoice == 0)
        return;
    if (NewEntryChoice == 1) {
        // Behind the last entry of the list, wherever comments stand after it.
        int last = PyTroopLastEntry;
        if (last < 0 || last >= PyTroopLines.size() || !IsPythonEntry(PyTroopLines[last]))
            last = LastPythonEntry(PyTroopLines, PyTroopMax);
        InsertTroopLine = last + 1;
    } else {
        InsertTroopLine = CurTroopLine + 1;
    }
    TemplateTroopRow = r;
    EnableTroopButtons(true);
    txtTroopID->setText(QStringLiteral("new_troop1"));
    txtTroopName->setText(QStringLiteral("New troop"));
    txtTroopNamePl->setText(QStringLiteral("New troops"));
    cmdUpdate->setText(QStringLiteral("Add troop"));
    cmdUpdate->setEnabled(true);
}

void frmPythonTroops::cmdDeleteTroop_Click() {
    if (CurTroopLine >= 0 && CurTroopLine <= PyTroopHardwired) {
        refusal(QStringLiteral("The selected troop is hardwired to the game, you can't delete this "
                               "troop!"));
        return;
    }
    const int r = lstTroops->listIndex();
    if (r < 0 || CurTroopLine < 0) {
        information(QStringLiteral("Select a troop to delete!"));
        return;
    }
    const QString text =
        QStringLiteral("WARNING!") + CrLf + CrLf + QStringLiteral("This will delete troop # ") +
        QString::number(r + 1) + QStringLiteral(" - ") + PythonEntryId(PyTroopLines[CurTroopLine]) +
        QStringLiteral("!") + CrLf +
        QStringLiteral("Every link to this removed troop in the module system will raise an error "
                       "if you build the module! So remove ALL dependencies to this troop in the "
                       "whole module system, before you build the module!") +
        CrLf +
        QStringLiteral("It's highly recommended that you only delete your self created troops!") +
        CrLf + CrLf + QStringLiteral("Do you want to continue?");
    if (MsgBox(text, MsgButtons::YesNo, MsgIcon::None, QStringLiteral("Delete troop?")) !=
        MsgAnswer::Yes)
        return;
    TemplateTroopRow = r;
    DeletePythonTroop();
}

void frmPythonTroops::DeletePythonTroop() {
    // The upgrade line that goes is the one of the deleted entry's own id,
    // whatever the id box holds.
    DeletePythonTroopEntry(PyTroopLines, PyTroopMax, PyTroopLastEntry, CurTroopLine);
    CurTroopLine = -1;
    if (TroopFilterActive)
        cmdFilterTroops_Click();
    else
        FillPythonTroopList();
    FillUpgradeCombos();
    // The row after the deleted one, or the new last row; none at all leaves
    // nothing shown and nothing to update.
    lstTroops->setListIndex(std::min(TemplateTroopRow, lstTroops->count() - 1));
    UnsavedTroops = true;
    information(QStringLiteral("Selected troop has been deleted!"));
}

void frmPythonTroops::ScanPythonTroops() {
    const QString question =
        QStringLiteral("This will update ALL troops without making changes. This means all data "
                       "will be reorganized, and you can test whether the editor works with your "
                       "module_troops.py or not (testing syntax).") +
        CrLf +
        QStringLiteral("Also all unknown flags, attributes and skill constants will be scanned.") +
        CrLf +
        QStringLiteral("If you get troop errors when building your module, this editor can't read "
                       "your syntax in module_troops.py.") +
        CrLf + CrLf +
        QStringLiteral("You should create a backup, if the saving function is prompting you to do "
                       "that!") +
        CrLf + CrLf + QStringLiteral("Do you want to continue?");
    if (MsgBox(question, MsgButtons::YesNo, MsgIcon::None, QStringLiteral("Continue...?")) ==
        MsgAnswer::No)
        return;
    txtFilterTroops->clear();
    cmdFilterTroops_Click();
    repaint();
    DoEvents();
    DoEvents();

    // The pass runs on the table itself; the window is brought up to date once
    // at its end.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const int knownFlags = int(m_flagRows.size());
    const PythonTroopRewrite result =
        RewriteAllPythonTroops(PyTroopLines, PyTroopMax, m_troopRows.lines, m_flagRows);
    QApplication::restoreOverrideCursor();
    if (m_flagRows.size() > knownFlags)
        lstFlags->addItems(m_flagRows.mid(knownFlags));
    if (result.rewritten > 0)
        UnsavedTroops = true;
    FillPythonTroopList();
    FillUpgradeCombos();
    if (lstTroops->count() > 1)
        lstTroops->setListIndex(lstTroops->count() - 1);

    QString text = QStringLiteral("All troops have been updated. Now hit 'Save changes' and build "
                                  "your module to test whether there are syntax problems or not!");
    if (result.skipped > 0)
        text += CrLf + CrLf + QString::number(result.skipped) +
                QStringLiteral(" troop(s) could not be read completely and were left as they "
                               "were.");
    information(text);
}

// ---- Commands

void frmPythonTroops::cmdSave_Click() {
    // A failed save keeps the changes marked as unsaved; the saver reports it.
    if (SavePythonTroops())
        UnsavedTroops = false;
}

void frmPythonTroops::cmdShowPython_Click() {
    if (CurTroopLine < 0 || CurTroopLine >= PyTroopLines.size())
        return;
    showResult(QStringLiteral("Python troop line"),
               QStringLiteral("Python line of the selected troop:"), PyTroopLines[CurTroopLine]);
}

// ---- Inventory, attributes, skills, proficiencies

void frmPythonTroops::addInventoryItem(const QString& id) {
    lstItems->addItem(id);
    lstItems->setListIndex(lstItems->count() - 1);
    showItemCount();
}

void frmPythonTroops::cmdAddItem_Click() {
    if (lstItems->count() >= MaxInventory) {
        MsgBox(QStringLiteral("Maximum count of items reached!"));
        return;
    }
    const int row = lstAvailableItems->listIndex();
    if (row < 0 || row >= m_itemRows.count())
        return;
    addInventoryItem(QStringLiteral("itm_") + PythonEntryId(PyItemLines[m_itemRows.lines[row]]));
}

void frmPythonTroops::cmdAddItemNr_Click() {
    if (lstItems->count() >= MaxInventory) {
        MsgBox(QStringLiteral("Maximum count of items reached!"));
        return;
    }
    const int c = m_itemRows.count();
    const auto k = ToInt16(txtItemNr->text());
    if (!k) {
        refusal(QStringLiteral("Value must be a number between 1 and ") + QString::number(c));
        return;
    }
    if (*k < 1 || *k > c) {
        refusal(QStringLiteral("Value must be >0 and <=") + QString::number(c) +
                QStringLiteral(" !"));
        return;
    }
    addInventoryItem(QStringLiteral("itm_") + PythonEntryId(PyItemLines[m_itemRows.lines[*k - 1]]));
}

void frmPythonTroops::cmdRemoveItem_Click() {
    if (lstItems->currentItem() && lstItems->currentRow() >= 0) {
        delete lstItems->takeItem(lstItems->currentRow());
        if (lstItems->count() > 0)
            lstItems->setListIndex(lstItems->count() - 1);
    } else if (lstItems->count() >= 2) {
        lstItems->setListIndex(lstItems->count() - 1);
    }
    showItemCount();
    lstItems->setFocus();
}

void frmPythonTroops::moveItems(bool down) {
    QStringList rows = listTexts(lstItems);
    QList<bool> selected;
    for (int i = 0; i < lstItems->count(); ++i)
        selected.append(lstItems->item(i)->isSelected());
    const int current = MoveSelectedRows(rows, selected, down);
    if (current < 0)
        return;
    const QSignalBlocker quiet(lstItems);
    lstItems->setRows(rows);
    lstItems->setCurrentRow(current, QItemSelectionModel::NoUpdate);
    for (int i = 0; i < rows.size(); ++i)
        lstItems->item(i)->setSelected(selected[i]);
}

void frmPythonTroops::cmbProfi_Click() {
    const int row = cmbProfi->listIndex();
    if (row >= 0 && row < profiTemplates().size())
        txtProfi->setText(profiTemplates()[row]);
}

// ---- Input rules

bool frmPythonTroops::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        if (watched == txtTroopID)
            txtTroopID_LostFocus();
        else if (watched == txtTroopImage)
            txtTroopImage_LostFocus();
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (watched == txtFilterTroops && enter) {
        cmdFilterTroops_Click();
        return true;
    }
    if (watched == txtItemFilter && enter) {
        cmdFilterItems_Click();
        return true;
    }
    if (watched == txtItemNr && !key->text().isEmpty()) {
        const QChar c = key->text().at(0);
        return !(c.isDigit() && c.unicode() < 128) && key->key() != Qt::Key_Backspace;
    }
    if (watched == txtTroopID) {
        if (enter)
            return true;
        if (key->text() == QStringLiteral(" ")) {
            txtTroopID->insert(QStringLiteral("_"));
            return true;
        }
    }
    return false;
}

void frmPythonTroops::txtTroopID_LostFocus() {
    QString id = txtTroopID->text().toLower();
    if (id.startsWith(QStringLiteral("trp_")))
        id.remove(0, 4);
    if (id != txtTroopID->text())
        txtTroopID->setText(id);
}

void frmPythonTroops::txtTroopImage_LostFocus() {
    const bool image = !txtTroopImage->text().isEmpty();
    for (QLineEdit* face : {txtFace1, txtFace2}) {
        if (image && face->text().isEmpty())
            face->setText(QStringLiteral("0"));
        else if (!image && face->text() == QStringLiteral("0"))
            face->clear();
    }
}

QWidget* ShowPythonTroops() {
    auto* window = new frmPythonTroops;
    window->show();
    return window;
}
