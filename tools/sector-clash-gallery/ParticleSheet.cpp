// The particle sheet: each system run as the game runs it and drawn at several ages on one row.
#include "tools/sector-clash-gallery/ParticleSheet.h"

#include "datafiles/ColourTable.h"
#include "datafiles/DataArchive.h"
#include "graphics/ParticleDrawing.h"
#include "graphics/TextureStore.h"
#include "random/Random.h"
#include "rules/ConstantsLoader.h"
#include "rules/ExplosionData.h"
#include "rules/TypeCatalogue.h"
#include "tools/sector-clash-gallery/GallerySheet.h"
#include "tools/sector-clash-gallery/LabelFont.h"
#include "visuals/ParticleSystemFactory.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <set>
#include <vector>

namespace gallery {

namespace {

constexpr int frameCount = 7;
constexpr int columns = frameCount + 1;
constexpr int cellSize = 180;
constexpr std::uint32_t tickMs = 16;
// Longest stretch shown of systems that never finish on their own (smokes, exhausts).
constexpr std::uint32_t continuousMs = 7000;
// A trail's emitter flies like a rocket, then the rocket is gone and the trail fades where it lies.
constexpr float trailSpeed = 260.0f;
constexpr std::uint32_t trailFlightMs = 1500;
constexpr float largestScale = 3.0f;

// How the game runs a system: the shared bursts (shells, armour fragments) emit one round per 1 ms update
// and then sit paused; systems with 1 ms rounds run in 1 ms steps; trails fly with their rocket.
enum class Drive { WholeFrames, MillisecondSteps, SharedBurst, Trail };

Drive DriveOf(const std::string& name, const Vorn::ParticleBehavior& behavior) {
    if (name.find("Trail") != std::string::npos) {
        return Drive::Trail;
    }
    if (behavior.emitTime == 1) {
        return behavior.lifeTime > continuousMs ? Drive::SharedBurst : Drive::MillisecondSteps;
    }
    return Drive::WholeFrames;
}

// A system with its clock, advanced tick by tick the way its owner in the game would.
class Film {
public:
    Film(Vorn::ParticleSystemFactory& factory, const std::string& name)
        : system(factory.CreateSystem(name)), drive(DriveOf(name, system->Behavior())) {
        if (drive == Drive::SharedBurst) {
            system->SetPaused(false);
            system->Update(1);
            system->SetPaused(true);
        }
    }

    void Tick() {
        switch (drive) {
        case Drive::WholeFrames:
            system->Update(tickMs);
            break;
        case Drive::MillisecondSteps:
        case Drive::SharedBurst:
            for (std::uint32_t step = 0; step < tickMs; ++step) {
                system->Update(1);
            }
            break;
        case Drive::Trail:
            FlyTrail();
            break;
        }
        age += tickMs;
    }

    void RunTo(std::uint32_t target) {
        while (age < target) {
            Tick();
        }
    }

    Vorn::ParticleSystem& System() { return *system; }
    std::uint32_t Age() const { return age; }
    bool IsTrail() const { return drive == Drive::Trail; }
    const char* DriveName() const {
        static const char* const names[] = {"whole frames", "1 ms steps", "shared burst", "trail"};
        return names[static_cast<int>(drive)];
    }

private:
    // As a rocket does: sub-steps of the emit time, the particles left behind where they were laid.
    void FlyTrail() {
        if (age >= trailFlightMs) {
            system->End();
            system->SetPaused(true);
            system->Update(tickMs);
            return;
        }
        const std::uint32_t emitTime = std::max<std::uint32_t>(1, system->Behavior().emitTime);
        std::uint32_t left = tickMs;
        while (left > 0) {
            const std::uint32_t step = std::min(emitTime, left);
            system->Update(step);
            system->Move(0.0f, -trailSpeed * 0.001f * float(step));
            left -= step;
        }
    }

    std::unique_ptr<Vorn::ParticleSystem> system;
    Drive drive;
    std::uint32_t age = 0;
};

template <class Visit> void ForEachParticle(const Vorn::ParticleSystem& system, Visit&& visit) {
    for (const auto& particle : system.Particles()) {
        visit(system, particle);
    }
    for (const Vorn::ParticleSystem& layer : system.Layers()) {
        ForEachParticle(layer, visit);
    }
}

// The half side a particle is drawn with at its age.
float DrawnHalfSide(const Vorn::ParticleSystem& system,
                    const Vorn::ParticleSystem::ParticleRecord& particle) {
    return system.Factory().HalfSide(Vorn::ParticleProgress(system.Behavior(), system.AgeOf(particle)));
}

struct Footprint {
    float extent = 1.0f; // farthest visible sprite edge from the origin, world units
    int particles = 0;
};

Footprint FootprintOf(const Vorn::ParticleSystem& system) {
    Footprint footprint;
    ForEachParticle(system, [&](const Vorn::ParticleSystem& owner, const auto& particle) {
        ++footprint.particles;
        if (Vorn::ParticleAlpha(owner.Behavior(), owner.AgeOf(particle)) > 0.02f) {
            const float reach = std::hypot(owner.XOf(particle), owner.YOf(particle)) +
                                std::abs(DrawnHalfSide(owner, particle));
            footprint.extent = std::max(footprint.extent, reach);
        }
    });
    return footprint;
}

// Everything one row needs, found by a first run of the system from a fixed seed.
struct Row {
    std::string name;
    std::vector<std::uint32_t> ages;
    float scale = 1.0f;
    std::uint32_t duration = 0;
    int mostParticles = 0;
    std::string drive;
    std::vector<std::string> layers;
    float blastRange = 0.0f; // explosions: the "effect_range" of constants.xml, drawn as a ring
};

// The blast range constants.xml gives the explosion of that name, or 0 for other systems.
float BlastRangeOf(const std::string& name) {
    for (int type = 0; type < Vorn::explosionTypeCount; ++type) {
        const auto explosion = static_cast<Vorn::ExplosionType>(type);
        if (Vorn::TypeNameOf(explosion) == name) {
            const auto* record = Vorn::Constants::constantsTable.Find<Vorn::Constants::ExplosionData>(
                Vorn::ConstantIdOf(explosion));
            return record == nullptr ? 0.0f : record->effectRange;
        }
    }
    return 0.0f;
}

void Reseed() {
    Vorn::randomGenerator.SeedIndices(12, 34, 56, 78);
}

// How long the system shows anything, capped for those that never finish.
std::uint32_t DurationOf(Vorn::ParticleSystemFactory& factory, const std::string& name, int& mostParticles) {
    Reseed();
    Film film(factory, name);
    while (film.Age() < continuousMs) {
        film.Tick();
        mostParticles = std::max(mostParticles, FootprintOf(film.System()).particles);
        if (film.System().IsFinished()) {
            break;
        }
    }
    return film.Age();
}

// From the first moments to near the end, growing geometrically so that both flash and smoke show;
// systems that never finish start later, when they have something to show.
std::vector<std::uint32_t> FrameAges(std::uint32_t duration, bool emitsOnce) {
    const double first = !emitsOnce && duration >= continuousMs ? 250.0 : duration < 1200 ? 16.0 : 48.0;
    const double last = std::max(first * 2.0, 0.85 * duration);
    std::vector<std::uint32_t> ages;
    for (int frame = 0; frame < frameCount; ++frame) {
        const double age = first * std::pow(last / first, double(frame) / (frameCount - 1));
        const std::uint32_t rounded = std::max(tickMs, std::uint32_t(std::lround(age / tickMs)) * tickMs);
        ages.push_back(ages.empty() ? rounded : std::max(rounded, ages.back() + tickMs));
    }
    return ages;
}

Row PlanRow(Vorn::ParticleSystemFactory& factory, const std::string& name) {
    Row row;
    row.name = name;
    row.blastRange = BlastRangeOf(name);
    row.duration = DurationOf(factory, name, row.mostParticles);
    const Vorn::ParticleBehavior& behavior =
        factory.Systems().contains(name) ? *factory.BehaviorOf(name) : Vorn::ParticleBehavior{};
    row.ages = FrameAges(row.duration, DriveOf(name, behavior) == Drive::SharedBurst);
    for (const std::string& layer : factory.Systems().at(name)->layerNames) {
        row.layers.push_back(layer);
    }
    Reseed();
    Film film(factory, name);
    row.drive = film.DriveName();
    float extent = std::max(4.0f, row.blastRange);
    for (std::uint32_t age : row.ages) {
        film.RunTo(age);
        extent = std::max(extent, FootprintOf(film.System()).extent);
    }
    // Trails are shown at the game's scale, running out of the cell's bottom edge.
    row.scale = film.IsTrail() ? 1.0f : std::min(largestScale, (cellSize * 0.5f - 8.0f) / extent);
    return row;
}

std::string Fixed(double value, int decimals) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

void DrawCaption(const Row& row) {
    glTranslatef(0.375f, 0.375f, 0);
    glColor4f(1, 1, 1, 1);
    DrawLabel(8, cellSize - 22, row.name, std::min(2.0f, (cellSize - 16) / LabelWidth(row.name)));
    glColor4f(0.75f, 0.8f, 0.75f, 1);
    float y = cellSize - 42;
    const auto line = [&](const std::string& text) {
        DrawLabel(8, y, text);
        y -= 12;
    };
    line(row.drive);
    line("lasts " + std::to_string(row.duration) + " ms" + (row.duration >= continuousMs ? "+" : ""));
    line("up to " + std::to_string(row.mostParticles) + " particles");
    line("x" + Fixed(row.scale, 2) + " px per unit");
    if (row.blastRange > 0.0f) {
        glColor4f(1, 0.6f, 0.6f, 1);
        line("blast range " + Fixed(row.blastRange, 0) + " (red ring)");
        glColor4f(0.75f, 0.8f, 0.75f, 1);
    }
    if (!row.layers.empty()) {
        // Layers are usually named after their system: show only what they add to its name.
        glColor4f(0.55f, 0.85f, 1, 1);
        std::string text = "layers:";
        for (const std::string& layer : row.layers) {
            const bool prefixed = layer.starts_with(row.name) && layer.size() > row.name.size();
            const std::string word = prefixed ? "+" + layer.substr(row.name.size()) : layer;
            if (LabelWidth(text + " " + word) > cellSize - 16) {
                line(text);
                text = " ";
            }
            text += " " + word;
        }
        line(text);
    }
    // A bar of 10 world units at the row's scale.
    glColor4f(1, 1, 0.6f, 1);
    glBegin(GL_QUADS);
    glVertex2f(8, 8);
    glVertex2f(8 + 10 * row.scale, 8);
    glVertex2f(8 + 10 * row.scale, 11);
    glVertex2f(8, 11);
    glEnd();
    DrawLabel(12 + 10 * row.scale, 7, "10");
}

void DrawRing(float radius) {
    glColor4f(1, 0.35f, 0.35f, 0.45f);
    glBegin(GL_LINE_LOOP);
    for (int step = 0; step < 64; ++step) {
        const float angle = step * 6.2831853f / 64;
        glVertex2f(radius * std::cos(angle), radius * std::sin(angle));
    }
    glEnd();
}

void DrawFrame(Film& film, const Row& row) {
    glPushMatrix();
    const float originY = film.IsTrail() ? cellSize * 0.88f : cellSize * 0.5f;
    glTranslatef(cellSize * 0.5f, originY, 0);
    glScalef(row.scale, row.scale, 1);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    std::uint32_t drawn = 0;
    Vorn::drawnParticleCounter = &drawn;
    DrawParticleSystem(film.System());
    Vorn::drawnParticleCounter = nullptr;
    glDisable(GL_TEXTURE_2D);
    if (row.blastRange > 0.0f) {
        DrawRing(row.blastRange);
    }
    glPopMatrix();
    glTranslatef(0.375f, 0.375f, 0);
    glColor4f(0.8f, 0.85f, 0.8f, 1);
    DrawLabel(6, 6, std::to_string(film.Age()) + " ms");
    const std::string count = std::to_string(drawn);
    DrawLabel(cellSize - 6 - LabelWidth(count), 6, count);
    // The system's origin.
    glColor4f(1, 1, 1, 0.35f);
    glBegin(GL_LINES);
    glVertex2f(cellSize * 0.5f - 3, originY);
    glVertex2f(cellSize * 0.5f + 4, originY);
    glVertex2f(cellSize * 0.5f, originY - 3);
    glVertex2f(cellSize * 0.5f, originY + 4);
    glEnd();
}

// Systems that appear only as layers of others are shown inside them.
std::vector<std::string> RowNames(const Brisk::Node& document, const Vorn::ParticleSystemFactory& factory) {
    std::set<std::string> layers;
    for (const auto& [name, record] : factory.Systems()) {
        layers.insert(record->layerNames.begin(), record->layerNames.end());
    }
    std::vector<std::string> names;
    if (const Brisk::Node* section = document.FindChild("system")) {
        for (const Brisk::Node& record : section->children) {
            const bool shown = std::find(names.begin(), names.end(), record.name) != names.end();
            if (!shown && !layers.contains(record.name) && factory.BehaviorOf(record.name) != nullptr) {
                names.push_back(record.name);
            }
        }
    }
    return names;
}

void DrawHeader(std::size_t rows) {
    glTranslatef(0.375f, 0.375f, 0);
    glColor4f(1, 1, 1, 1);
    DrawLabel(10, 14, "Sector Clash particle systems", 2);
    glColor4f(0.75f, 0.8f, 0.75f, 1);
    DrawLabel(400, 18,
              std::to_string(rows) +
                  " systems, each run as the game runs it from a fixed seed and drawn at " +
                  std::to_string(frameCount) + " ages (bottom left; bottom right: particles drawn).");
    DrawLabel(400, 6,
              "Scale per row (yellow bar: 10 world units); trails fly upwards at " + Fixed(trailSpeed, 0) +
                  " units per second.");
}

} // namespace

std::string MakeParticleSheet(GalleryWindow& window, const ParticleSheetOptions& options) {
    if (colourTable.Colours().empty()) {
        LoadColours(colourTable, dataArchive.ReadDocument("colordef.xml"));
    }
    Vorn::textureStore.Load(dataArchive.ReadDocument("textures.xml"));
    Vorn::textureStore.Create();
    Vorn::Constants::LoadConstants();
    const Brisk::Node document = dataArchive.ReadDocument(Vorn::particlesFileName);
    Vorn::ParticleSystemFactory factory;
    factory.Load(document);

    const std::vector<std::string> names = RowNames(document, factory);
    if (names.empty()) {
        return "no particle systems in data/particles.xml";
    }
    Sheet sheet(columns, static_cast<int>(names.size()) * columns, cellSize, cellSize, 32);
    sheet.RenderHeader(window, [&] { DrawHeader(names.size()); });
    for (std::size_t r = 0; r < names.size(); ++r) {
        const Row row = PlanRow(factory, names[r]);
        const int first = static_cast<int>(r) * columns;
        sheet.RenderCell(window, first, [&] { DrawCaption(row); });
        Reseed();
        Film film(factory, row.name);
        for (int frame = 0; frame < frameCount; ++frame) {
            film.RunTo(row.ages[frame]);
            sheet.RenderCell(window, first + 1 + frame, [&] { DrawFrame(film, row); });
        }
    }
    factory.Release();
    Vorn::Constants::ReleaseConstants();
    Vorn::textureStore.Release();
    return sheet.Save(options.output);
}

} // namespace gallery
