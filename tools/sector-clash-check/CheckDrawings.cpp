// The drawings area of the data checker: "drawings.xml" and every drawing file it names, command by
// command, then what the game expects of particular drawings (a drawing for every name, their sizes,
// mouths where turrets fire and where new tanks leave the factory).
#include "datafiles/ColourTable.h"
#include "datafiles/Node.h"
#include "visuals/Drawing.h"
#include "graphics/DrawingCatalogue.h"
#include "visuals/ParticleSystemFactory.h"
#include "rules/ConstantsLoader.h"
#include "rules/ConstantsTable.h"
#include "rules/TurretData.h"
#include "rules/TypeCatalogue.h"
#include "tools/sector-clash-check/CheckAreas.h"
#include "tools/sector-clash-check/Text.h"
#include "visuals/DrawingStore.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <vector>

namespace check {
namespace {

const std::string indexFile = Vorn::drawingsFileName;
// A drawing should span about its object's size: its outline's half-width within these factors.
constexpr float smallestSpan = 0.6f;
constexpr float largestSpan = 1.4f;

struct DrawingFile {
    std::string name;  // the drawing name (element name in the index)
    std::string label; // the file as problem lines name it
    Vorn::Drawing drawing;
};

// The fewest vertices a primitive needs and the multiple its count must be.
struct VertexRule {
    std::size_t minimum;
    std::size_t multiple;
};

VertexRule RuleFor(const Brisk::Node& primitive) {
    const bool strip = primitive.FindAttribute("strip") != nullptr;
    const bool closedOrFan =
        primitive.FindAttribute("loop") != nullptr || primitive.FindAttribute("fan") != nullptr;
    if (primitive.name == "line") {
        return closedOrFan || strip ? VertexRule{2, 1} : VertexRule{2, 2};
    }
    if (primitive.name == "triangle") {
        return closedOrFan || strip ? VertexRule{3, 1} : VertexRule{3, 3};
    }
    return strip ? VertexRule{4, 2} : VertexRule{4, 4};
}

std::string Where(const Brisk::Node& command, std::size_t number) {
    return Text(command.name, " (command ", number, ")");
}

class DrawingChecker {
public:
    DrawingChecker(const CheckContext& context, Problems& problems) : context(context), problems(problems) {}

    void Run() {
        LoadReferences();
        if (!ReadIndex()) {
            return;
        }
        for (const auto& [name, files] : drawings) {
            for (const DrawingFile& file : files) {
                CheckParticleNames(file);
            }
        }
        CheckCatalogue();
        CheckTurretMouths();
        CheckFactoryExit();
    }

private:
    // The colours, constants and particle systems the drawings refer to, from the same folder.
    void LoadReferences() {
        if (auto document = context.ReadDocument("colordef.xml")) {
            LoadColours(colours, *document);
        }
        if (auto document = context.ReadDocument(Vorn::Constants::constantsFileName)) {
            Vorn::Constants::LoadConstantsFrom(*document, constants);
        }
        if (auto document = context.ReadDocument(particlesFile)) {
            particles = std::make_unique<Vorn::ParticleSystemFactory>();
            particles->Load(*document);
        }
    }

    bool ReadIndex() {
        const FileProblems report(context.FileLabel(indexFile), problems);
        const auto index = context.ReadDocument(indexFile);
        if (!index) {
            report("-", "cannot be read: the game would draw nothing");
            return false;
        }
        for (const Brisk::Node& entry : index->children) {
            const Brisk::Attribute* source = entry.FindAttribute("src");
            if (source == nullptr) {
                report(entry.name, "no src attribute: the game skips it");
                continue;
            }
            ReadDrawing(entry.name, "graphics/" + source->value, report);
        }
        return true;
    }

    void ReadDrawing(const std::string& name, const std::string& path, const FileProblems& indexReport) {
        const auto document = context.ReadDocument(path);
        if (!document) {
            indexReport(name,
                        Text("its file ", context.FileLabel(path), " cannot be read: it draws nothing"));
            return;
        }
        DrawingFile file;
        file.name = name;
        file.label = context.FileLabel(path);
        CheckCommands(*document, FileProblems(file.label, problems));
        file.drawing.Read(*document);
        drawings[name].push_back(std::move(file));
    }

    void CheckCommands(const Brisk::Node& document, const FileProblems& report) {
        static const std::set<std::string> commands = {
            "set", "push", "pop", "line", "triangle", "quad", "circle", "mouth", "particle_system"};
        int depth = 0;
        std::size_t number = 0;
        for (const Brisk::Node& command : document.children) {
            ++number;
            const std::string where = Where(command, number);
            if (commands.count(command.name) == 0) {
                report(where, "not a drawing command: ignored");
            } else if (command.name == "set") {
                CheckColour(command, where, report);
            } else if (command.name == "push") {
                if (command.FindAttribute("color") == nullptr) {
                    report(where, "push without a color attribute saves nothing");
                } else {
                    ++depth;
                }
            } else if (command.name == "pop") {
                if (--depth < 0) {
                    report(where, "pop without a matching push: the colour stack underflows");
                    depth = 0;
                }
            } else if (command.name == "line" || command.name == "triangle" || command.name == "quad") {
                CheckPrimitive(command, where, report);
            } else {
                CheckPointCommand(command, where, report);
            }
        }
        if (depth > 0) {
            report("-", Text(depth, " push without a matching pop: the caller's colour is never restored"));
        }
    }

    void CheckColour(const Brisk::Node& set, const std::string& where, const FileProblems& report) {
        const Brisk::Attribute* name = set.FindAttribute("color");
        if (name == nullptr) {
            report(where, "set without a color attribute does nothing");
        } else if (!colours.Contains(name->value)) {
            report(where, Text("colour \"", name->value, "\" is not in colordef.xml: it shows as magenta"));
        }
    }

    void CheckPrimitive(const Brisk::Node& primitive, const std::string& where, const FileProblems& report) {
        std::size_t vertices = 0;
        for (const Brisk::Node& child : primitive.children) {
            if (child.name == "vertex") {
                if (child.FindAttribute("x") == nullptr || child.FindAttribute("y") == nullptr) {
                    report(where + "/vertex", "a vertex needs both x and y: skipped");
                } else {
                    ++vertices;
                }
            } else if (child.name == "set") {
                CheckColour(child, where + "/set", report);
            } else {
                report(where + "/" + child.name, "only vertex and set count inside a primitive: ignored");
            }
        }
        const VertexRule rule = RuleFor(primitive);
        if (vertices < rule.minimum || vertices % rule.multiple != 0) {
            report(where,
                   Text(vertices, " vertices: GL draws only whole primitives of ", rule.multiple,
                        rule.multiple == 1 ? " vertex" : " vertices", " (at least ", rule.minimum, ")"));
        }
    }

    void CheckPointCommand(const Brisk::Node& command, const std::string& where, const FileProblems& report) {
        const auto missing = [&](std::initializer_list<const char*> names) {
            for (const char* name : names) {
                if (command.FindAttribute(name) == nullptr) {
                    report(where, Text("no ", name, " attribute: the command is skipped"));
                    return;
                }
            }
        };
        if (command.name == "circle") {
            missing({"r", "s"});
            if (const Brisk::Attribute* segments = command.FindAttribute("s")) {
                const int count = Brisk::ToInt(*segments);
                if (count < 3 || count > Vorn::Drawing::maximumCircleSegments) {
                    report(where, Text("s=", count, ": a circle needs 3 to ",
                                       Vorn::Drawing::maximumCircleSegments, " segments"));
                }
            }
        } else if (command.name == "mouth") {
            missing({"x", "y"});
        } else {
            missing({"x", "y", "name"});
        }
    }

    void CheckParticleNames(const DrawingFile& file) {
        if (!particles) {
            return;
        }
        const FileProblems report(file.label, problems);
        const auto check = [&](const std::string& system, const char* what) {
            if (!system.empty() && particles->BehaviorOf(system) == nullptr) {
                report(what,
                       Text("particle system \"", system, "\" is not in particles.xml: it never shows"));
            }
        };
        for (const std::string& system : file.drawing.MouthParticleSystems()) {
            check(system, "mouth");
        }
        for (const std::string& system : file.drawing.ParticleSystemNames()) {
            check(system, "particle_system");
        }
    }

    void CheckCatalogue() {
        const FileProblems report(context.FileLabel(indexFile), problems);
        for (const Vorn::DrawnName& drawn : Vorn::DrawnNames()) {
            const auto found = drawings.find(drawn.name);
            const std::size_t variants = found == drawings.end() ? 0 : found->second.size();
            if (variants == 0) {
                report(drawn.name, "no drawing: the game draws the default (nothing) for it");
            } else if (variants < static_cast<std::size_t>(drawn.minimumVariants)) {
                report(drawn.name, Text(variants, " variant(s): at least ", drawn.minimumVariants,
                                        " make its many copies look different"));
            }
            if (found != drawings.end()) {
                CheckSpan(drawn, found->second);
            }
        }
    }

    // The half-width of the square around the origin that holds every vertex.
    static float SpanOf(const Vorn::Drawing& drawing) {
        float span = 0;
        for (const Vorn::DrawingStep& step : drawing.Steps()) {
            if (step.kind == Vorn::DrawingStep::Kind::Vertex) {
                span = std::max(
                    {span, static_cast<float>(std::fabs(step.x)), static_cast<float>(std::fabs(step.y))});
            }
        }
        return span;
    }

    void CheckSpan(const Vorn::DrawnName& drawn, const std::vector<DrawingFile>& files) {
        const float size = Vorn::ObjectSizeOf(drawn, constants);
        if (size <= 0) {
            return;
        }
        for (const DrawingFile& file : files) {
            const float span = SpanOf(file.drawing);
            if (span < size * smallestSpan || span > size * largestSpan) {
                FileProblems(file.label,
                             problems)("-", Text("spans ", span, " units but ", drawn.name, " has size ",
                                                 size, " in constants.xml: it looks ",
                                                 span < size ? "smaller" : "larger", " than it is"));
            }
        }
    }

    void CheckTurretMouths() {
        for (int value = 0; value < Vorn::turretTypeCount; ++value) {
            const auto type = static_cast<Vorn::TurretType>(value);
            const auto* turret = constants.Find<Vorn::Constants::TurretData>(Vorn::ConstantIdOf(type));
            const auto found = drawings.find(Vorn::TypeNameOf(type));
            if (turret == nullptr || turret->canShoot == 0 || found == drawings.end()) {
                continue;
            }
            for (const DrawingFile& file : found->second) {
                if (file.drawing.Mouths().empty()) {
                    FileProblems(file.label, problems)("-", "the turret fires but has no mouth: its bullets "
                                                            "start at the carrier's centre");
                }
            }
        }
    }

    // New tanks wait at the factory's first mouth until the spot is free; a spot inside the factory's own
    // footprint never is.
    void CheckFactoryExit() {
        const auto found = drawings.find("TankFactory");
        float factorySize = 0;
        float largestChassis = 0;
        for (const Vorn::DrawnName& drawn : Vorn::DrawnNames()) {
            if (drawn.name == "TankFactory") {
                factorySize = Vorn::ObjectSizeOf(drawn, constants);
            } else if (drawn.kind == Vorn::DrawnName::Kind::Chassis) {
                largestChassis = std::max(largestChassis, Vorn::ObjectSizeOf(drawn, constants));
            }
        }
        if (found == drawings.end()) {
            return;
        }
        for (const DrawingFile& file : found->second) {
            const FileProblems report(file.label, problems);
            if (file.drawing.Mouths().empty()) {
                report("mouth", "the factory has no mouth: its tanks appear at its centre and never leave");
                continue;
            }
            const auto exit = file.drawing.Mouths().front();
            const float distance = std::hypot(exit.x, exit.y);
            if (distance <= factorySize + largestChassis) {
                report("mouth", Text("the first mouth lies ", distance, " from the centre: a tank of size ",
                                     largestChassis, " there overlaps the factory (size ", factorySize,
                                     ") and never leaves"));
            }
        }
    }

    const CheckContext& context;
    Problems& problems;
    ColourTable colours;
    Vorn::Constants::ConstantsTable constants;
    std::unique_ptr<Vorn::ParticleSystemFactory> particles;
    std::map<std::string, std::vector<DrawingFile>> drawings;
};

} // namespace

void CheckDrawings(const CheckContext& context, Problems& problems) {
    DrawingChecker(context, problems).Run();
}

} // namespace check
