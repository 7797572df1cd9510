// The interface's formatted texts.
#include "interface/FormattedTexts.h"

namespace Vorn {

std::span<const FormattedText> FormattedTexts() {
    return infoTexts;
}

} // namespace Vorn
