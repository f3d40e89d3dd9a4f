// A field that Python computes cannot be changed in the editors, and says so:
// its box has the platform's read-only look, typing into it changes nothing,
// and the expression reads whole on hover; the next entry's box takes typing
// again and looks it.
#include "ms_editors/items/frmPythonItems.h"
#include "ms_editors/party_templates/frmPythonPartyTemp.h"
#include "ms_editors/troops/frmPythonTroops.h"

#include "PythonEditorFixture.h"

#include <QGroupBox>

namespace {

struct Computed {
    const char* row;     // the list row's second word
    const char* control; // where the expression shows
    const char* written; // as the file writes it
};

template <class Window> class ReadOnlyFields : public PythonEditorTest<Window> {
protected:
    ReadOnlyFields()
        : PythonEditorTest<Window>(QStringLiteral(QE_TEST_DATA_DIR "/ms_editors/computed")) {}

    void select(const char* list, const char* id) {
        ListBox* rows = this->list(QLatin1String(list));
        for (int r = 0; r < rows->count(); ++r) {
            if (rows->item(r)->text().section(u' ', 1, 1) == QLatin1String(id))
                return ClickRow(rows, r);
        }
        ADD_FAILURE() << id;
    }
    static bool looksReadOnly(const QWidget* w) {
        return w->palette().color(QPalette::Base) == w->palette().color(QPalette::Window);
    }
    void check(const char* list, std::initializer_list<Computed> cases, const char* plain) {
        ASSERT_TRUE(ShowActive(this->window));
        this->plat.boxes.clear(); // what the load tells
        for (const Computed& c : cases) {
            SCOPED_TRACE(c.control);
            select(list, c.row);
            auto* control = this->template get<QWidget>(QLatin1String(c.control));
            const QString written = QLatin1String(c.written);
            EXPECT_TRUE(control->toolTip().startsWith(written + QStringLiteral("\n\nRead-only")));
            if (auto* frame = qobject_cast<QGroupBox*>(control)) {
                EXPECT_TRUE(frame->title().startsWith(QStringLiteral("Members (read-only): [(")));
                continue;
            }
            EXPECT_TRUE(looksReadOnly(control));
            if (auto* box = qobject_cast<QLineEdit*>(control)) {
                box->setFocus();
                QTest::keyClicks(box, QStringLiteral("x"));
                EXPECT_EQ(box->text(), written);
            }
            select(list, plain);
            EXPECT_FALSE(looksReadOnly(control));
            EXPECT_EQ(control->toolTip(), QString());
        }
        EXPECT_TRUE(this->plat.boxes.empty()) << this->plat.boxTexts().join(u'|').toStdString();
    }
};

using TroopFields = ReadOnlyFields<frmPythonTroops>;
using ItemFields = ReadOnlyFields<frmPythonItems>;
using TemplateFields = ReadOnlyFields<frmPythonPartyTemp>;

TEST_F(TroopFields, LookReadOnlyAndReadWholeOnHover) {
    check("lstTroops",
          {{"trp_hskarl", "txtTroopNamePl", "\"H\"+u_kreska+\"skarls\""},
           {"trp_farmer", "lstItems", "[]+basic_throwing+slings_common+common_shoes"}},
          "trp_player");
}
TEST_F(ItemFields, LookReadOnlyAndReadWholeOnHover) {
    check("lstItems", {{"itm_crown", "txtItemName", "\"Crown  of \"+\"the King\""}}, "itm_stones");
}
TEST_F(TemplateFields, LookReadOnlyAndReadWholeOnHover) {
    check("lstPT",
          {{"hskarl_band", "txtPTName", "\"H\"+u_kreska+\"skarl  Band\""},
           {"farmers", "Frame5", "[(trp_farmer,5,10)] + raider_members"}},
          "hero_party");
}

} // namespace
