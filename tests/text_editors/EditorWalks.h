#pragma once

// The five editors over the compiled text files as a walk over their records
// needs them: each record shown, and stored through the update without a
// change, then the file saved.
#include "text_editors/items/frmTextItems.h"
#include "text_editors/troops/frmTextTroops.h"
#include "text_editors/world/frmTextFactions.h"
#include "text_editors/world/frmTextParties.h"
#include "text_editors/world/frmTextPartyTemp.h"
#include "textfiles/modTextFactions.h"
#include "textfiles/modTextItems.h"
#include "textfiles/modTextParties.h"
#include "textfiles/modTextPartyTemp.h"
#include "textfiles/modTextTroops.h"

struct Walk {
    const char* file;
    QWidget* (*open)();
    int (*records)();
    void (*showAndUpdate)(QWidget* window, int i);
    bool (*save)();
};

template <typename Window> QWidget* OpenEditor() {
    return new Window;
}

inline const Walk TroopsWalk = {"troops.txt", OpenEditor<frmTextTroops>,
                                [] { return TroopMax + 1; },
                                [](QWidget* w, int i) {
                                    auto* troops = static_cast<frmTextTroops*>(w);
                                    troops->CurTroop = i;
                                    troops->ShowTroop();
                                    troops->UpdateTroop(false);
                                },
                                SaveTextTroops};
inline const Walk ItemsWalk = {"item_kinds1.txt", OpenEditor<frmTextItems>,
                               [] { return ItemMax + 1; },
                               [](QWidget* w, int i) {
                                   auto* items = static_cast<frmTextItems*>(w);
                                   items->CurItem = i;
                                   items->ShowItem();
                                   items->UpdateItem(false);
                               },
                               SaveTextItems};
inline const Walk FactionsWalk = {"factions.txt", OpenEditor<frmTextFactions>,
                                  [] { return FactionMax + 1; },
                                  [](QWidget* w, int i) {
                                      // Faction 0 is never edited.
                                      auto* factions = static_cast<frmTextFactions*>(w);
                                      factions->CurFaction = i;
                                      factions->ShowFaction();
                                      if (i > 0)
                                          factions->UpdateFactions();
                                  },
                                  SaveTextFactions};
inline const Walk PartiesWalk = {"parties.txt", OpenEditor<frmTextParties>,
                                 [] { return PartyCount; },
                                 [](QWidget* w, int i) {
                                     auto* parties = static_cast<frmTextParties*>(w);
                                     parties->CurParty = i;
                                     parties->ShowParty();
                                     parties->UpdateParty();
                                 },
                                 SaveTextParties};
inline const Walk TemplatesWalk = {"party_templates.txt", OpenEditor<frmTextPartyTemp>,
                                   [] { return PartyTempCount; },
                                   [](QWidget* w, int i) {
                                       auto* templates = static_cast<frmTextPartyTemp*>(w);
                                       templates->CurrentTemplate = i;
                                       templates->ShowPartyTemplate();
                                       templates->UpdatePT();
                                   },
                                   SaveTextPartyTemplates};
