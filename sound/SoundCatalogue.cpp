// "sounds.xml" read into recipes and cue mappings.
#include "sound/SoundCatalogue.h"

#include "datafiles/Node.h"
#include "sound/SoundCues.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string_view>

namespace Vorn {

namespace {

using Problems = std::vector<SoundProblem>*;

void Report(Problems problems, const std::string& element, const std::string& message) {
    if (problems != nullptr)
        problems->push_back({element, message});
}

// The whole value as a finite number, or nothing: "12ms" is not a number here, though Brisk::ToFloat
// would read 12.
std::optional<double> WholeNumber(const std::string& text) {
    const char* start = text.c_str();
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(start, &end);
    while (end != nullptr && (*end == ' ' || *end == '\t'))
        ++end;
    if (end == start || *end != '\0' || errno == ERANGE || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// A limit as a modder writes it: "16", "0.9", not "16.000000".
std::string Shortest(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

// A number attribute within [low, high]: a value that is not a number keeps the field, one outside is
// brought to the limit.
template <typename Number>
void ReadNumber(const Brisk::Attribute& attribute, double low, double high, Number& field, Problems problems,
                const std::string& element) {
    const std::optional<double> value = WholeNumber(attribute.value);
    if (!value) {
        Report(problems, element, Quoted(attribute.name) + " is not a number: " + Quoted(attribute.value));
        return;
    }
    const double kept = std::clamp(*value, low, high);
    if (kept != *value) {
        Report(problems, element,
               Quoted(attribute.name) + " " + attribute.value + " is outside " + Shortest(low) + " to " +
                   Shortest(high) + "; the nearest limit is used");
    }
    field = static_cast<Number>(kept);
}

struct LayerNumber {
    const char* name;
    float SoundLayer::*field;
    float low;
    float high;
};

using namespace SoundLimits;

constexpr LayerNumber layerNumbers[] = {
    {"pitch", &SoundLayer::pitch, lowestFrequency, highestFrequency},
    {"pitch_end", &SoundLayer::pitchEnd, lowestFrequency, highestFrequency},
    {"glide", &SoundLayer::glide, 0, maxLengthMs},
    {"vibrato", &SoundLayer::vibrato, 0, maxVibrato},
    {"vibrato_rate", &SoundLayer::vibratoRate, 0, 100},
    {"delay", &SoundLayer::delay, 0, maxLengthMs},
    {"attack", &SoundLayer::attack, 0, maxLengthMs},
    {"hold", &SoundLayer::hold, 0, maxLengthMs},
    {"decay", &SoundLayer::decay, 0, maxLengthMs},
    {"gain", &SoundLayer::gain, lowestGainDb, highestGainDb},
    {"drive", &SoundLayer::drive, 1, maxDrive},
    {"lowpass", &SoundLayer::lowpass, 0, highestFrequency},
    {"lowpass_end", &SoundLayer::lowpassEnd, 0, highestFrequency},
    {"resonance", &SoundLayer::resonance, 0, maxResonance},
    {"highpass", &SoundLayer::highpass, 0, highestFrequency},
};

struct WaveName {
    const char* name;
    Waveform wave;
};
constexpr WaveName waveNames[] = {{"sine", Waveform::Sine},     {"triangle", Waveform::Triangle},
                                  {"square", Waveform::Square}, {"saw", Waveform::Saw},
                                  {"noise", Waveform::Noise},   {"crackle", Waveform::Crackle}};

void ReadWave(const Brisk::Attribute& attribute, SoundLayer& layer, Problems problems,
              const std::string& element) {
    for (const WaveName& wave : waveNames) {
        if (attribute.value == wave.name) {
            layer.wave = wave.wave;
            return;
        }
    }
    Report(problems, element,
           "\"wave\" " + Quoted(attribute.value) +
               " is none of sine, triangle, square, saw, noise, crackle; sine "
               "is used");
}

// The ends of a glide or sweep default to their start, so a steady tone needs one attribute.
SoundLayer ReadLayer(const Brisk::Node& node, Problems problems, const std::string& element) {
    SoundLayer layer;
    bool pitchEndGiven = node.FindAttribute("pitch_end") != nullptr;
    bool lowpassEndGiven = node.FindAttribute("lowpass_end") != nullptr;
    for (const Brisk::Attribute& attribute : node.attributes) {
        if (attribute.name == "wave") {
            ReadWave(attribute, layer, problems, element);
            continue;
        }
        const auto number =
            std::find_if(std::begin(layerNumbers), std::end(layerNumbers),
                         [&](const LayerNumber& entry) { return attribute.name == entry.name; });
        if (number == std::end(layerNumbers)) {
            Report(problems, element, "unknown attribute " + Quoted(attribute.name));
            continue;
        }
        ReadNumber(attribute, number->low, number->high, layer.*(number->field), problems, element);
    }
    if (!pitchEndGiven)
        layer.pitchEnd = layer.pitch;
    if (!lowpassEndGiven)
        layer.lowpassEnd = layer.lowpass;
    if ((layer.lowpass > 0) != (layer.lowpassEnd > 0)) {
        Report(problems, element,
               "\"lowpass\" and \"lowpass_end\" must both be above 0 or both 0; no low-pass is used");
        layer.lowpass = layer.lowpassEnd = 0;
    }
    return layer;
}

// Only a plain path below the sounds folder: a data file never reaches outside the data.
bool IsSoundFilePath(const std::string& path) {
    if (!path.starts_with(soundsFolder) || path.size() == std::string_view(soundsFolder).size())
        return false;
    if (path.find('\\') != std::string::npos || path.find('\0') != std::string::npos)
        return false;
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t end = std::min(path.find('/', start), path.size());
        const std::string_view part(path.data() + start, end - start);
        if (part.empty() || part == "." || part == "..")
            return false;
        start = end + 1;
    }
    return true;
}

void ReadSoundAttribute(const Brisk::Attribute& attribute, SoundRecipe& sound, Problems problems,
                        const std::string& element) {
    const std::string& name = attribute.name;
    if (name == "name") {
        return;
    } else if (name == "file") {
        if (IsSoundFilePath(attribute.value))
            sound.file = attribute.value;
        else
            Report(problems, element,
                   "\"file\" " + Quoted(attribute.value) + " is not a file under \"" + soundsFolder +
                       "\"; the sound is silent");
    } else if (name == "bus") {
        if (attribute.value == "effects" || attribute.value == "interface")
            sound.bus = attribute.value == "effects" ? SoundBus::Effects : SoundBus::Interface;
        else
            Report(problems, element,
                   "\"bus\" " + Quoted(attribute.value) + " is neither effects nor interface");
    } else if (name == "gain") {
        ReadNumber(attribute, lowestGainDb, highestGainDb, sound.gain, problems, element);
    } else if (name == "priority") {
        ReadNumber(attribute, 0, maxPriority, sound.priority, problems, element);
    } else if (name == "voices") {
        ReadNumber(attribute, 1, maxVoicesPerSound, sound.voices, problems, element);
    } else if (name == "variants") {
        ReadNumber(attribute, 1, maxVariants, sound.variants, problems, element);
    } else if (name == "jitter") {
        ReadNumber(attribute, 0, maxJitterPercent, sound.jitter, problems, element);
    } else {
        Report(problems, element, "unknown attribute " + Quoted(name));
    }
}

SoundRecipe ReadSound(const Brisk::Node& node, const std::string& name, Problems problems) {
    const std::string element = "sound " + name;
    SoundRecipe sound;
    sound.name = name;
    for (const Brisk::Attribute& attribute : node.attributes)
        ReadSoundAttribute(attribute, sound, problems, element);
    for (const Brisk::Node& child : node.children) {
        const std::string layerElement = element + "/layer " + std::to_string(sound.layers.size() + 1);
        if (child.name != "layer") {
            Report(problems, element, "unknown element " + Quoted(child.name));
        } else if (sound.layers.size() >= maxLayers) {
            Report(problems, layerElement,
                   "beyond the " + std::to_string(maxLayers) + " layers a sound may have");
        } else {
            sound.layers.push_back(ReadLayer(child, problems, layerElement));
        }
    }
    if (!sound.file.empty() && !sound.layers.empty())
        Report(problems, element, "has both a file and layers; the file is played");
    if (sound.file.empty() && sound.layers.empty() && node.FindAttribute("file") == nullptr)
        Report(problems, element, "has neither layers nor a file; it is silent");
    if (sound.Length() > maxLengthMs)
        Report(problems, element,
               "lasts " + std::to_string(static_cast<int>(sound.Length())) + " ms; only the first " +
                   std::to_string(static_cast<int>(maxLengthMs)) + " are played");
    return sound;
}

const Brisk::Attribute* NonEmptyAttribute(const Brisk::Node& node, const char* name) {
    const Brisk::Attribute* attribute = node.FindAttribute(name);
    return attribute != nullptr && !attribute->value.empty() ? attribute : nullptr;
}

void AddSound(SoundCatalogue& catalogue, const Brisk::Node& node, Problems problems) {
    const Brisk::Attribute* name = NonEmptyAttribute(node, "name");
    if (name == nullptr) {
        Report(problems, "sound", "has no \"name\"; it is skipped");
        return;
    }
    SoundRecipe sound = ReadSound(node, name->value, problems);
    for (SoundRecipe& earlier : catalogue.sounds) {
        if (earlier.name == sound.name) {
            Report(problems, "sound " + sound.name, "is defined again; the later definition is used");
            earlier = std::move(sound);
            return;
        }
    }
    if (catalogue.sounds.size() >= maxSounds) {
        Report(problems, "sound " + sound.name,
               "beyond the " + std::to_string(maxSounds) + " sounds a file may have");
        return;
    }
    catalogue.sounds.push_back(std::move(sound));
}

std::optional<SoundCueMapping> ReadCue(const Brisk::Node& node, Problems problems) {
    const Brisk::Attribute* name = NonEmptyAttribute(node, "name");
    const Brisk::Attribute* sound = NonEmptyAttribute(node, "sound");
    const std::string element = name != nullptr ? "cue " + name->value : "cue";
    for (const Brisk::Attribute& attribute : node.attributes)
        if (attribute.name != "name" && attribute.name != "sound" && attribute.name != "every")
            Report(problems, element, "unknown attribute " + Quoted(attribute.name));
    if (name == nullptr || sound == nullptr) {
        Report(problems, element, "needs both \"name\" and \"sound\"; it is skipped");
        return std::nullopt;
    }
    if (!IsCueName(name->value)) {
        Report(problems, element, "is no cue of the game (docs/sounds.md lists them); it is skipped");
        return std::nullopt;
    }
    SoundCueMapping cue{name->value, sound->value};
    if (const Brisk::Attribute* every = node.FindAttribute("every"))
        ReadNumber(*every, 0, 600000, cue.intervalMs, problems, element);
    return cue;
}

void AddCue(SoundCatalogue& catalogue, const Brisk::Node& node, Problems problems) {
    std::optional<SoundCueMapping> cue = ReadCue(node, problems);
    if (!cue)
        return;
    for (SoundCueMapping& earlier : catalogue.cues) {
        if (earlier.cue == cue->cue) {
            Report(problems, "cue " + cue->cue, "is mapped again; the later mapping is used");
            earlier = *cue;
            return;
        }
    }
    if (catalogue.cues.size() >= maxCues) {
        Report(problems, "cue " + cue->cue,
               "beyond the " + std::to_string(maxCues) + " cues a file may have");
        return;
    }
    catalogue.cues.push_back(*cue);
}

// Cues are checked against the sounds once the whole file is read, so a cue may come before its sound.
void DropCuesWithoutSounds(SoundCatalogue& catalogue, Problems problems) {
    std::erase_if(catalogue.cues, [&](const SoundCueMapping& cue) {
        if (catalogue.FindSound(cue.sound) != nullptr)
            return false;
        Report(problems, "cue " + cue.cue, "names the sound " + Quoted(cue.sound) + ", which is not defined");
        return true;
    });
}

} // namespace

float SoundRecipe::Length() const {
    float length = 0;
    for (const SoundLayer& layer : layers)
        length = std::max(length, layer.Length());
    return length;
}

const SoundRecipe* SoundCatalogue::FindSound(const std::string& name) const {
    for (const SoundRecipe& sound : sounds)
        if (sound.name == name)
            return &sound;
    return nullptr;
}

SoundCatalogue ReadSoundCatalogue(const Brisk::Node& document, std::vector<SoundProblem>* problems) {
    SoundCatalogue catalogue;
    for (const Brisk::Node& node : document.children) {
        // An XML declaration ("<?xml ...?>") is no element of the file's.
        if (node.openKind == Brisk::question)
            continue;
        if (node.name == "sound")
            AddSound(catalogue, node, problems);
        else if (node.name == "cue")
            AddCue(catalogue, node, problems);
        else
            Report(problems, node.name, "unknown element; only \"sound\" and \"cue\" are read");
    }
    DropCuesWithoutSounds(catalogue, problems);
    return catalogue;
}

} // namespace Vorn
