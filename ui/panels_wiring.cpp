// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/panels_wiring.h"

#include "hero/hero.h"
#include "ui/edit_commands.h"
#include "ui/frm_portraits.h"
#include "ui/frmmain.h"
#include "ui/skill_panels.h"

#include <QAction>

TDSSkillPanels *AttachSkillPanels(TfrmMain &window) {
    TDSHero &hero = *window.Hero;
    hero.SetPortraits(std::make_unique<TfrmPortraits>());

    auto *panels = new TDSSkillPanels(window.pnlStats);
    panels->setGeometry(window.pnlStats->rect());
    panels->Bind(&hero);
    QObject::connect(&window, &TfrmMain::ResetPanelsRequested, panels,
                     &TDSSkillPanels::ResetPanels);
    QObject::connect(&window, &TfrmMain::HealthManaChanged, panels,
                     &TDSSkillPanels::UpdateHealthMana);

    TfrmMain *w = &window;
    window.ConnectCommand(window.Name1, [w] { EditHeroName(w, *w->Hero); });
    window.ConnectCommand(window.Gold1, [w] { EditGold(w, *w->Hero); });
    window.ConnectCommand(window.Model1, [w] { EditHeroModel(w, *w->Hero); });
    window.ConnectCommand(window.PicCustom1, [w] { PicCustom(*w->Hero, w->dlgPicInitialDir); });
    for (QAction *item : {window.PicDefault1, window.PicSkullward1, window.SkullHelm1})
        window.ConnectCommand(item,
                              [w, item] { w->Hero->LoadBuiltInPortrait(item->data().toInt()); });
    return panels;
}
