// The particles area of the data checker: "particles.xml" record by record, then the systems the game and
// the other data files rely on (the code's fixed names, the shared bursts, the effects owners keep).
#include "datafiles/Node.h"
#include "rules/ConstantsLoader.h"
#include "rules/ObjectTypes.h"
#include "rules/TypeCatalogue.h"
#include "tools/sector-clash-check/CheckAreas.h"
#include "tools/sector-clash-check/Text.h"
#include "visuals/DrawingStore.h"

#include <cerrno>
#include <cstdlib>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace check {
namespace {

// Effects that owners keep for the whole game must not age out: a finished effect is deleted by the world
// while its owner still holds it.
constexpr long keptLifeTime = 3600000;

enum class Form { Count, Real, Flag, Text };

const std::map<std::string, Form> behaviorParameters = {
    {"life_time", Form::Count},
    {"emit_time", Form::Count},
    {"emit_number", Form::Count},
    {"source_offset_x", Form::Real},
    {"source_offset_y", Form::Real},
    {"source_radius", Form::Real},
    {"particle_life_time", Form::Count},
    {"particle_move_time", Form::Count},
    {"particle_move_time_random", Form::Count},
    {"particle_speed", Form::Real},
    {"particle_motion_slow_down", Form::Flag},
    {"particle_motion_log_slow_down", Form::Flag},
    {"particle_motion_inv_slow_down", Form::Flag},
    {"particle_fade_in_begin", Form::Count},
    {"particle_fade_in_end", Form::Count},
    {"particle_alpha_log", Form::Flag},
};

const std::map<std::string, Form> systemParameters = {
    {"particle_size", Form::Real}, {"particle_size_end", Form::Real},
    {"scatter_angle", Form::Real}, {"direction", Form::Real},
    {"focus", Form::Flag},         {"rotation_speed", Form::Real},
    {"behavior", Form::Text},      {"texture", Form::Text},
    {"color", Form::Text},         {"layer", Form::Text},
};

// The names the game's code asks the factory for, besides the explosion type names.
std::vector<std::string> CodeSystemNames() {
    std::vector<std::string> names = {"MotionDust", "Ricochet", "BriefDust", "Shockwave", "DebrisDust"};
    for (int type = 0; type < Vorn::explosionTypeCount; ++type) {
        names.push_back(Vorn::TypeNameOf(static_cast<Vorn::ExplosionType>(type)));
    }
    return names;
}

std::vector<std::string> ArmorFragmentNames() {
    std::vector<std::string> names;
    for (int k = 0; k < 8; ++k) {
        names.push_back("ArmorFragment" + std::to_string(k));
    }
    return names;
}

bool ReadsWhole(const std::string& text, bool real) {
    const char* start = text.c_str();
    char* end = nullptr;
    errno = 0;
    if (real) {
        std::strtod(start, &end);
    } else {
        std::strtol(start, &end, 10);
    }
    if (end == start || errno == ERANGE) {
        return false;
    }
    while (*end == ' ' || *end == '\t' || *end == '\n') {
        ++end;
    }
    return *end == '\0';
}

// A parameter's value as the loader reads it: the "value" attribute of the record's child element.
const std::string* ValueOf(const Brisk::Node& record, const char* parameter) {
    const Brisk::Node* element = record.FindChild(parameter);
    const Brisk::Attribute* value = element == nullptr ? nullptr : element->FindAttribute("value");
    return value == nullptr ? nullptr : &value->value;
}

long CountOf(const Brisk::Node& record, const char* parameter) {
    const std::string* value = ValueOf(record, parameter);
    return value == nullptr ? 0 : std::strtol(value->c_str(), nullptr, 10);
}

// Unknown, repeated, valueless and miswritten parameter elements of one record.
void CheckParameters(const Brisk::Node& record, const std::string& where,
                     const std::map<std::string, Form>& known, const FileProblems& report) {
    std::set<std::string> seen;
    for (const Brisk::Node& element : record.children) {
        const std::string path = where + "/" + element.name;
        const auto form = known.find(element.name);
        if (form == known.end()) {
            report(path, "unknown parameter: it is ignored");
            continue;
        }
        if (element.name != "layer" && !seen.insert(element.name).second) {
            report(path, "given twice: only the first is read");
        }
        const Brisk::Attribute* value = element.FindAttribute("value");
        if (value == nullptr) {
            report(path, "has no \"value\": it reads as 0, false or empty");
            continue;
        }
        if (form->second == Form::Count && !ReadsWhole(value->value, false)) {
            report(path, Text("\"", value->value, "\" is not a whole number of milliseconds or particles"));
        } else if (form->second == Form::Count && std::strtol(value->value.c_str(), nullptr, 10) < 0) {
            report(path, Text("\"", value->value, "\" is negative: it reads as 0"));
        } else if (form->second == Form::Real && !ReadsWhole(value->value, true)) {
            report(path, Text("\"", value->value, "\" is not a number"));
        } else if (form->second == Form::Flag && value->value != "true" && value->value != "false" &&
                   !ReadsWhole(value->value, true)) {
            report(path,
                   Text("\"", value->value, "\" is neither true, false nor a number: it reads as true"));
        }
    }
}

void CheckBehavior(const Brisk::Node& record, const FileProblems& report) {
    const std::string where = "behavior/" + record.name;
    CheckParameters(record, where, behaviorParameters, report);
    if (CountOf(record, "emit_time") <= 0) {
        report(where + "/emit_time", "must be above 0: a system with this behaviour never emits");
    }
    if (CountOf(record, "emit_number") <= 0) {
        report(where + "/emit_number", "must be above 0: a system with this behaviour never emits");
    }
    if (CountOf(record, "particle_life_time") <= 0) {
        report(where + "/particle_life_time", "must be above 0: particles vanish before they are drawn");
    }
    const long fadeBegin = CountOf(record, "particle_fade_in_begin");
    const long fadeEnd = CountOf(record, "particle_fade_in_end");
    if (fadeEnd != 0 && fadeEnd < fadeBegin) {
        report(where + "/particle_fade_in_end", "is before particle_fade_in_begin: there is no fade-in");
    }
    if (fadeBegin >= CountOf(record, "particle_life_time") && CountOf(record, "particle_life_time") > 0) {
        report(where + "/particle_fade_in_begin", "is not before particle_life_time: particles never show");
    }
}

class ParticleChecker {
public:
    ParticleChecker(const CheckContext& context, const Brisk::Node& document, Problems& problems)
        : context(context), report(context.FileLabel(particlesFile), problems) {
        if (const Brisk::Node* section = document.FindChild("behavior")) {
            for (const Brisk::Node& record : section->children) {
                if (behaviors.contains(record.name)) {
                    report("behavior/" + record.name, "defined twice: the later record replaces this one");
                }
                behaviors[record.name] = &record;
            }
        }
        if (const Brisk::Node* section = document.FindChild("system")) {
            for (const Brisk::Node& record : section->children) {
                if (systems.contains(record.name)) {
                    report("system/" + record.name, "defined twice: the later record replaces this one");
                }
                systems[record.name] = &record;
            }
        }
        if (behaviors.empty() || systems.empty()) {
            report("", "needs a \"behavior\" and a \"system\" section with records: no effect would show");
        }
    }

    void Run() {
        for (const auto& [name, record] : behaviors) {
            CheckBehavior(*record, report);
        }
        LoadColourNames();
        for (const auto& [name, record] : systems) {
            CheckSystem(name, *record);
        }
        CheckUsedNames();
    }

private:
    void LoadColourNames() {
        if (const std::optional<Brisk::Node> colours = context.ReadDocument("colordef.xml")) {
            colourFileFound = true;
            for (const Brisk::Node& colour : colours->children) {
                colourNames.insert(colour.name);
            }
        }
    }

    void CheckSystem(const std::string& name, const Brisk::Node& record) {
        const std::string where = "system/" + name;
        CheckParameters(record, where, systemParameters, report);
        const std::string* behavior = ValueOf(record, "behavior");
        if (behavior == nullptr || !behaviors.contains(*behavior)) {
            report(where + "/behavior", Text("names no behaviour of this file (\"", behavior ? *behavior : "",
                                             "\"): it never shows"));
        }
        const std::string* texture = ValueOf(record, "texture");
        if (texture == nullptr || texture->empty()) {
            report(where + "/texture", "missing: the particles show the magenta default texture");
        }
        const std::string* colour = ValueOf(record, "color");
        if (colourFileFound && (colour == nullptr || !colourNames.contains(*colour))) {
            report(where + "/color",
                   Text("\"", colour ? *colour : "", "\" is not in colordef.xml: it shows magenta"));
        }
        for (const Brisk::Node& element : record.children) {
            const Brisk::Attribute* layer = element.FindAttribute("value");
            if (element.name == "layer" && layer != nullptr && !systems.contains(layer->value)) {
                report(where + "/layer",
                       Text("\"", layer->value, "\" is not a system of this file: it is left out"));
            }
        }
        if (ReachesItself(name, name, 0)) {
            report(where + "/layer", "its layers lead back to itself: the nesting is cut off");
        }
    }

    bool ReachesItself(const std::string& start, const std::string& current, int depth) const {
        const auto record = systems.find(current);
        if (record == systems.end() || depth > static_cast<int>(systems.size())) {
            return false;
        }
        for (const Brisk::Node& element : record->second->children) {
            const Brisk::Attribute* layer = element.FindAttribute("value");
            if (element.name != "layer" || layer == nullptr) {
                continue;
            }
            if (layer->value == start || ReachesItself(start, layer->value, depth + 1)) {
                return true;
            }
        }
        return false;
    }

    const Brisk::Node* BehaviorOfSystem(const std::string& systemName) const {
        const auto system = systems.find(systemName);
        if (system == systems.end()) {
            return nullptr;
        }
        const std::string* behavior = ValueOf(*system->second, "behavior");
        const auto record = behavior == nullptr ? behaviors.end() : behaviors.find(*behavior);
        return record == behaviors.end() ? nullptr : record->second;
    }

    void CheckUsedNames() {
        for (const std::string& name : CodeSystemNames()) {
            RequireSystem(name, "the game creates it by this name");
        }
        for (const std::string& name : ArmorFragmentNames()) {
            if (RequireSystem(name, "the game emits armour fragments by this name")) {
                CheckSharedBurst(name, "an armour fragment");
            }
        }
        for (const std::string& name : NamesInConstants("shell_ps")) {
            if (systems.contains(name)) {
                CheckSharedBurst(name, "a turret's shell_ps");
            }
        }
        for (const std::string& name : DrawingPointNames()) {
            if (systems.contains(name)) {
                CheckKept(name, "a drawing's particle_system point");
            }
        }
        CheckKept("MotionDust", "a tank's track dust");
    }

    bool RequireSystem(const std::string& name, const char* why) {
        if (!systems.contains(name)) {
            report("system/" + name, Text("missing: ", why));
            return false;
        }
        return true;
    }

    // Shared bursts emit one round in each 1 ms update their owner runs per shot or hit.
    void CheckSharedBurst(const std::string& name, const char* role) {
        const Brisk::Node* behavior = BehaviorOfSystem(name);
        if (behavior == nullptr) {
            return;
        }
        if (CountOf(*behavior, "emit_time") != 1) {
            report("behavior/" + behavior->name + "/emit_time",
                   Text("must be 1 for ", name, ", ", role, ": each shot or hit runs it for 1 ms only"));
        }
        CheckKept(name, role);
    }

    void CheckKept(const std::string& name, const char* role) {
        const Brisk::Node* behavior = BehaviorOfSystem(name);
        if (behavior != nullptr && CountOf(*behavior, "life_time") < keptLifeTime) {
            report("behavior/" + behavior->name + "/life_time",
                   Text("below ", keptLifeTime, " for ", name, ", ", role,
                        ", which its owner keeps: the world would delete it under its owner"));
        }
    }

    // The values of every element named `key` one level inside the top-level entries of constants.xml.
    std::set<std::string> NamesInConstants(const char* key) const {
        std::set<std::string> names;
        if (const std::optional<Brisk::Node> constants =
                context.ReadDocument(Vorn::Constants::constantsFileName)) {
            for (const Brisk::Node& entry : constants->children) {
                const std::string* value = ValueOf(entry, key);
                if (value != nullptr && !value->empty()) {
                    names.insert(*value);
                }
            }
        }
        return names;
    }

    // The names of the "particle_system" points of every drawing file drawings.xml lists.
    std::set<std::string> DrawingPointNames() const {
        std::set<std::string> names;
        const std::optional<Brisk::Node> index = context.ReadDocument(Vorn::drawingsFileName);
        if (!index) {
            return names;
        }
        std::set<std::string> files;
        for (const Brisk::Node& entry : index->children) {
            if (const Brisk::Attribute* source = entry.FindAttribute("src")) {
                files.insert("graphics/" + source->value);
            }
        }
        for (const std::string& file : files) {
            if (const std::optional<Brisk::Node> drawing = context.ReadDocument(file)) {
                CollectPointNames(*drawing, names);
            }
        }
        return names;
    }

    static void CollectPointNames(const Brisk::Node& node, std::set<std::string>& names) {
        for (const Brisk::Node& child : node.children) {
            const Brisk::Attribute* name = child.FindAttribute("name");
            if (child.name == "particle_system" && name != nullptr) {
                names.insert(name->value);
            }
            CollectPointNames(child, names);
        }
    }

    const CheckContext& context;
    FileProblems report;
    std::map<std::string, const Brisk::Node*> behaviors;
    std::map<std::string, const Brisk::Node*> systems;
    std::set<std::string> colourNames;
    bool colourFileFound = false;
};

} // namespace

// The names constants.xml and the drawings give are checked for existence by their own areas.
void CheckParticles(const CheckContext& context, Problems& problems) {
    const std::optional<Brisk::Node> document = context.ReadDocument(particlesFile);
    if (!document) {
        FileProblems(context.FileLabel(particlesFile), problems)("",
                                                                 "cannot be opened: no effect would show");
        return;
    }
    ParticleChecker(context, *document, problems).Run();
}

} // namespace check
