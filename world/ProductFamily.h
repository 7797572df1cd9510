// The families of what the producing buildings make, and how a production event says what was made in
// its one detail number: the family and the type index together, so the news can name the product.
#pragma once

namespace Vorn {

enum class ProductFamily : int { Building, Tower, Landmine, Obstacle, Tank, Ammunition };
inline constexpr int productFamilyCount = 6;

// Type indices stay far below this in every family.
inline constexpr int productTypeRange = 256;

constexpr int ProductDetail(ProductFamily family, int type) {
    return static_cast<int>(family) * productTypeRange + type;
}
constexpr ProductFamily FamilyOfDetail(int detail) {
    return static_cast<ProductFamily>(detail / productTypeRange);
}
constexpr int TypeOfDetail(int detail) {
    return detail % productTypeRange;
}

} // namespace Vorn
