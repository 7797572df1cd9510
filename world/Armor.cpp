// A tank's armour.
#include "world/Armor.h"

#include "visuals/DrawingStore.h"
#include "rules/ArmorData.h"
#include "rules/ConstantsTable.h"
#include "rules/TypeCatalogue.h"

namespace Vorn {

Armor::Armor(ArmorType type, float baseArmor)
    : type(type), record(Constants::constantsTable.Find<Constants::ArmorData>(ConstantIdOf(type))),
      maxHitPoints((record ? record->maxArmor : 0) + baseArmor), hitPoints(maxHitPoints) {
    drawing = drawingStore.FindDrawing(TypeNameOf(type));
}

} // namespace Vorn
