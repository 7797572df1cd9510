// Makes the game's own font families known to this process through fontconfig's application fonts.
#include "platform/FontInstaller.h"

#include <fontconfig/fontconfig.h>

#include <filesystem>

namespace platform {

namespace {

bool PatternHasFamily(FcPattern* pattern, const std::string& family) {
    FcChar8* name = nullptr;
    for (int index = 0; FcPatternGetString(pattern, FC_FAMILY, index, &name) == FcResultMatch; ++index) {
        if (family == reinterpret_cast<const char*>(name)) {
            return true;
        }
    }
    return false;
}

// A family file is looked up in the fonts folder only: a name that would leave it, or that the C library
// would cut short at a NUL, is no file of the game's.
bool IsPlainFileName(const std::string& family) {
    return !family.empty() && family != "." && family != ".." && family.find('/') == std::string::npos &&
           family.find('\0') == std::string::npos;
}

} // namespace

void FontInstaller::Create(const std::string& fontDirectory) {
    FcInit();
    directory = fontDirectory;
}

bool FontInstaller::IsFamilyInstalled(const std::string& family) {
    FcInit();
    // Every family is visited: a matching request would hand back a substitute for an unknown name.
    FcPattern* any = FcPatternCreate();
    FcObjectSet* families = FcObjectSetBuild(FC_FAMILY, nullptr);
    FcFontSet* fonts = FcFontList(nullptr, any, families);
    bool found = false;
    for (int index = 0; fonts != nullptr && index < fonts->nfont && !found; ++index) {
        found = PatternHasFamily(fonts->fonts[index], family);
    }
    if (fonts != nullptr) {
        FcFontSetDestroy(fonts);
    }
    FcObjectSetDestroy(families);
    FcPatternDestroy(any);
    return found;
}

bool FontInstaller::EnsureFontFamily(const std::string& family) {
    if (IsFamilyInstalled(family)) {
        return true;
    }
    if (!IsPlainFileName(family)) {
        return false;
    }
    for (const char* extension : {".ttf", ".otf"}) {
        const std::string path = directory + "/" + family + extension;
        // A name too long for the system is simply not there; the loading must not end in an exception.
        std::error_code error;
        if (!std::filesystem::is_regular_file(path, error)) {
            continue;
        }
        if (FcConfigAppFontAddFile(nullptr, reinterpret_cast<const FcChar8*>(path.c_str()))) {
            registeredFiles.push_back(path);
            return true;
        }
    }
    return false;
}

void FontInstaller::Release() {
    // fontconfig removes application fonts only all together; this installer is the only one that adds any.
    if (!registeredFiles.empty()) {
        FcConfigAppFontClear(nullptr);
    }
    registeredFiles.clear();
}

} // namespace platform
