#include "module_system/PythonFieldKind.h"

#include <gtest/gtest.h>

namespace {

// One row per text a user might type into a field: whether Python reads it
// as that kind of field. Everything refused here would stop the module's build.
// What the editors' field tables type ("12 5" as a cost, "a b" as a menu, "[] x"
// as a trigger) is checked there.
TEST(IsPythonOfKind, TellsSoundFieldsFromBrokenOnes) {
    using K = PyFieldKind;
    const struct {
        const char* text;
        K kind;
        bool sound;
    } cases[] = {
        {"fac_kingdom_1", K::Name, true},
        {" trp_looter ", K::Name, true},
        {"trp looter", K::Name, false},
        {"fac_x,", K::Name, false},
        {"fac.player_faction", K::Name, true}, // a reference written as an attribute
        {"fac.", K::Name, false},
        {"fac.None", K::Name, false},
        {"trp . looter . x", K::NameOrNumber, true},
        {"fac.-1", K::NameOrNumber, false},
        {"pass", K::Name, false}, // a keyword
        {"print", K::Name, false},
        {"fac_\xc3\xa9", K::Name, false}, // Python 2 takes no such name
        {"", K::Name, false},
        {"12", K::Number, true},
        {"-0.5", K::Number, true},
        {"1e-3", K::Number, true},
        {"0x00000001800000003ff", K::Number, true},
        {"0X1f", K::Number, true},
        {"00", K::Number, true},
        {"12 5", K::Number, false},
        {"007", K::Number, false}, // octal in Python 2, refused by Python 3
        {"1_000", K::Number, false},
        {"12L", K::Number, false},
        {"0x1g", K::Number, false},
        {"1.2.3", K::Number, false},
        {"no_scene", K::NameOrNumber, true},
        {"0", K::NameOrNumber, true},
        {"(itm_a,imod_b)", K::Term, true},
        {"-1", K::Term, true},
        {"a|b", K::Term, false},
        {"no_scene", K::Terms, true},
        {"|scn_a", K::Terms, false},
        {"scn_a||entry(1)", K::Terms, false},
        {"scn_a+1", K::Terms, false},
        {"weight(1.5)", K::Call, true},
        {"swing_damage(20 , cut)", K::Call, true},
        {"weight(1)(2)", K::Call, false},
        {"weight(1", K::Call, false},
        {"weight", K::Call, false},
        {"[]", K::List, true},
        {"[fac_kingdom_1,fac_kingdom_2,]", K::List, true},
        {"[(ti_on_init_item,[(set_position_delta,0,60,0),(particle_system_add_new,\"psys ], "
         "x\"),]),]",
         K::List, true},
        {"[(\"mesh\",0),(\"mesh_b\",ixmesh_carry)]", K::List, true},
        {"[fac_a]]", K::List, false},
        {"[(a,b]", K::List, false},
        {"[a # note]", K::List, false},
        {"[\"open]", K::List, false},
        {"12*10", K::Value, true},
        {"tf_hero if hero_mode else 0", K::Value, true},
        {"a if b", K::Value, false},
        {"a else b", K::Value, false},
        {"x not in y and not z", K::Value, true},
        {"a is not b", K::Value, true},
        {"a == not b", K::Value, false}, // "not" binds more loosely than any sign
        {"d[]", K::Value, false},
        {"x.None", K::Value, false},
        {"r\"raw\" u'text' \"joined\"", K::Value, true},
        {"f\"x\"", K::Value, false},
        {"d[1:2] + {1: 2}[1] + f(k=3).real", K::Value, true},
        {"*2", K::Value, false},
        {"a = 1", K::Value, false},
        {"a <> b", K::Value, false},
        {"a ! b", K::Value, false},
        {"lambda: 0", K::Value, false},
        {"a; b", K::Value, false},
        {"a \\", K::Value, false},
        {"\"x\ny\"", K::Value, false},
        {"\"\"\"a\"\"\"", K::Value, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsPythonOfKind(QString::fromUtf8(c.text), c.kind), c.sound)
            << c.text << " as kind " << int(c.kind);
}

} // namespace
