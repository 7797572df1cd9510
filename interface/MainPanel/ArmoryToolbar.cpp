// The armory's strip.
#include "interface/MainPanel/ArmoryToolbar.h"

#include "datafiles/ColourTable.h"
#include "graphics/TextureStore.h"
#include "interface/ButtonIcons.h"
#include "rules/TypeCatalogue.h"
#include "world/Armory.h"

#include <GL/gl.h>

#include <cstdio>

namespace Vorn::MainPanel {

namespace {

void Colour(const char* name) {
    glColor4ubv(colourTable.ColourOf(name));
}

} // namespace

ArmoryToolbar::ArmoryToolbar(int width, int x, int y) : Toolbar(width, x, y) {
    for (int i = 0; i < buttonCount; ++i)
        AddButton(IconTexture(TypeNameOf(KindOf(i))));
}

float ArmoryToolbar::Phase(int index) const {
    const auto* armory = dynamic_cast<const Armory*>(subject);
    if (armory == nullptr || !armory->CanAfford(KindOf(index)))
        return -1;
    return armory->UnitProgress(KindOf(index)) * 0.5f;
}

std::string ArmoryToolbar::StockText(int index) const {
    const auto* armory = dynamic_cast<const Armory*>(subject);
    if (armory == nullptr)
        return {};
    const bool waiting = armory->IsProducing(KindOf(index)) && Phase(index) < 0;
    char text[64];
    std::snprintf(text, sizeof text, "%u %s", armory->Stock(KindOf(index)), waiting ? "..." : "");
    return text;
}

void ArmoryToolbar::DrawStatus(int index) const {
    const auto* armory = dynamic_cast<const Armory*>(subject);
    const bool on = armory != nullptr && armory->IsProducing(KindOf(index));
    glDisable(GL_TEXTURE_2D);
    glPushMatrix();
    glTranslatef(0.375f, 0.375f, 0);
    Colour("black");
    glRectf(7, 32, 16, 58);
    Colour(on ? "status_enabled" : "status_disabled");
    glRectf(56, 49, 58, 58);
    Colour(on ? "status_enabled_frame" : "status_disabled_frame");
    glBegin(GL_LINE_LOOP);
    glVertex2f(55, 48);
    glVertex2f(58, 48);
    glVertex2f(58, 58);
    glVertex2f(55, 58);
    glEnd();
    glPopMatrix();
    const float phase = Phase(index);
    Colour("white");
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, textureStore.FindTexture("interface_ammo_animation"));
    glBegin(GL_QUADS);
    glTexCoord2f(0, phase + 3);
    glVertex2f(7, 33);
    glTexCoord2f(1, phase + 3);
    glVertex2f(15, 33);
    glTexCoord2f(1, phase);
    glVertex2f(15, 57);
    glTexCoord2f(0, phase);
    glVertex2f(7, 57);
    glEnd();
    glDisable(GL_TEXTURE_2D);
}

void ArmoryToolbar::DrawButton(int index) const {
    Toolbar::DrawButton(index);
    DrawStatus(index);
    DrawTexts(index, Text(TypeNameOf(KindOf(index))), "", false);
    DrawInfo(22, 46, StockText(index), false, false);
}

std::string ArmoryToolbar::Tooltip(int index) const {
    const auto* armory = dynamic_cast<const Armory*>(subject);
    std::string tip = Text(TypeNameOf(KindOf(index))) + ": " + StockText(index);
    if (armory == nullptr)
        return tip;
    tip += armory->IsProducing(KindOf(index)) ? " - " + Text("tip_line_on") : " - " + Text("tip_line_off");
    if (armory->IsProducing(KindOf(index)) && !armory->CanAfford(KindOf(index)))
        tip += " - " + Text("tip_no_money");
    return tip;
}

} // namespace Vorn::MainPanel
