// sector-clash-sounds: renders every sound of "sounds.xml" into a WAV file, to listen to while making them,
// and prints the numbers that describe each (length, peak, loudness); --stats prints the same of any WAV
// files, such as the driver's --audio-out recording.
//
//   sector-clash-sounds [--data FOLDER] OUT_DIR
//   sector-clash-sounds --stats FILE.wav...
#include "datafiles/Node.h"
#include "platform/AudioMixer.h"
#include "sound/SoundBank.h"
#include "sound/SoundCatalogue.h"
#include "sound/SoundStatistics.h"
#include "sound/Synthesizer.h"
#include "sound/WavFile.h"
#include "tools/shared/CommandLine.h"
#include "tools/shared/GameData.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr const char* program = "sector-clash-sounds";

constexpr const char* usage =
    "usage: sector-clash-sounds [--data FOLDER] OUT_DIR\n"
    "       sector-clash-sounds --stats FILE.wav...\n"
    "Renders every sound of sounds.xml into OUT_DIR/NAME.wav (a sound's further variants into NAME-2.wav,\n"
    "NAME-3.wav, ...) and prints one line per sound: its length (and how much of it is heard, down to\n"
    "40 dB below its peak), peak and RMS in dBFS, and sign changes per second (low for rumbles, high for\n"
    "hiss). The data is FOLDER, else the game's (data/ in the working directory, else the installed data).\n"
    "--stats prints the same for WAV files, and how loud their loudest and quietest 100 ms are.\n"
    "Exit 0; 1 when sounds.xml cannot be read or a file cannot be written or read; 2 on bad usage.\n";

constexpr double statisticsWindowMs = 100;

struct Options {
    std::string dataFolder;
    std::string outFolder;
    std::vector<std::string> statsFiles;
    bool stats = false;
};

bool ParseOptions(int argc, char** argv, Options& options, std::string& fault) {
    for (int index = 1; index < argc; ++index) {
        const std::string argument = argv[index];
        if (argument == "--stats") {
            options.stats = true;
        } else if (argument == "--data") {
            if (index + 1 >= argc) {
                fault = toolkit::MissingValue(argument);
                return false;
            }
            options.dataFolder = argv[++index];
        } else if (argument.starts_with("-")) {
            fault = toolkit::UnknownOption(argument);
            return false;
        } else if (options.stats) {
            options.statsFiles.push_back(argument);
        } else if (!options.outFolder.empty()) {
            fault = "one OUT_DIR at a time, not \"" + options.outFolder + "\" and \"" + argument + "\"";
            return false;
        } else {
            options.outFolder = argument;
        }
    }
    if (options.stats && options.statsFiles.empty())
        fault = "--stats needs at least one WAV file";
    else if (!options.stats && options.outFolder.empty())
        fault = "no OUT_DIR given";
    return fault.empty();
}

std::string Describe(const Vorn::SoundStatistics& statistics) {
    char line[160];
    std::snprintf(line, sizeof line, "%.0f ms (heard %.0f), peak %.1f dBFS, rms %.1f dBFS, %.0f crossings/s",
                  statistics.lengthMs, statistics.audibleMs, Vorn::ToDecibels(statistics.peak),
                  Vorn::ToDecibels(statistics.rms), statistics.crossingsPerSecond);
    return line;
}

std::optional<std::filesystem::path> DataFolder(const Options& options) {
    if (!options.dataFolder.empty())
        return std::filesystem::path(options.dataFolder);
    return toolkit::FindGameData();
}

bool WriteVariant(const std::filesystem::path& path, const std::vector<float>& samples) {
    Vorn::PcmRecording recording{Vorn::SoundSampleRate(), 1, Vorn::ToPcm(samples)};
    if (std::string fault = Vorn::WriteWav(path.string(), recording); !fault.empty()) {
        std::fprintf(stderr, "%s: %s\n", program, fault.c_str());
        return false;
    }
    return true;
}

// Files decode through SDL_mixer, which needs a device: the "dummy" one plays to nowhere.
void OpenMixerForFiles(const Vorn::SoundCatalogue& catalogue) {
    const bool anyFile = std::any_of(catalogue.sounds.begin(), catalogue.sounds.end(),
                                     [](const Vorn::SoundRecipe& sound) { return !sound.file.empty(); });
    std::string reason;
    if (anyFile && !platform::OpenMixer({1, "dummy"}, reason))
        std::fprintf(stderr, "%s: sound files cannot be decoded: %s\n", program, reason.c_str());
}

int RenderAll(const Options& options) {
    const std::optional<std::filesystem::path> data = DataFolder(options);
    if (!data) {
        std::fprintf(stderr, "%s: %s\n", program, toolkit::NoGameDataFault().c_str());
        return 1;
    }
    Brisk::Node document;
    const std::filesystem::path soundsFile = *data / Vorn::soundsFileName;
    if (document.LoadFile(soundsFile.string()) != 0) {
        std::fprintf(stderr, "%s: cannot read %s\n", program, soundsFile.string().c_str());
        return 1;
    }
    std::vector<Vorn::SoundProblem> problems;
    const Vorn::SoundCatalogue catalogue = Vorn::ReadSoundCatalogue(document, &problems);
    OpenMixerForFiles(catalogue);
    const auto start = std::chrono::steady_clock::now();
    const Vorn::SoundBank bank(
        catalogue, [&](const std::string& path) { return Vorn::ReadSoundFileBytes(data->string(), path); },
        &problems);
    const double renderMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    platform::CloseMixer();
    for (const Vorn::SoundProblem& problem : problems)
        std::fprintf(stderr, "%s: %s: %s: %s\n", program, soundsFile.string().c_str(),
                     problem.element.c_str(), problem.message.c_str());

    std::error_code error;
    std::filesystem::create_directories(options.outFolder, error);
    bool written = true;
    for (int index = 0; index < bank.SoundCount(); ++index) {
        const Vorn::BankSound& sound = bank.Sound(index);
        for (std::size_t variant = 0; variant < sound.variants.size(); ++variant) {
            const std::string name =
                sound.name + (variant == 0 ? "" : "-" + std::to_string(variant + 1)) + ".wav";
            written =
                WriteVariant(std::filesystem::path(options.outFolder) / name, sound.variants[variant]) &&
                written;
        }
        const Vorn::SoundStatistics statistics =
            Vorn::MeasureSound(sound.variants.front(), Vorn::SoundSampleRate());
        std::printf("%s: %s, %zu variant%s\n", sound.name.c_str(), Describe(statistics).c_str(),
                    sound.variants.size(), sound.variants.size() == 1 ? "" : "s");
    }
    std::printf("%d sounds rendered in %.1f ms\n", bank.SoundCount(), renderMs);
    return written ? 0 : 1;
}

void PrintWindows(const std::vector<float>& mono, int rate) {
    const std::vector<double> windows = Vorn::WindowRms(mono, rate, statisticsWindowMs);
    if (windows.empty())
        return;
    const auto loudest = std::max_element(windows.begin(), windows.end());
    const auto quietest = std::min_element(windows.begin(), windows.end());
    const auto silent =
        std::count_if(windows.begin(), windows.end(), [](double rms) { return Vorn::ToDecibels(rms) < -60; });
    std::printf(
        "  loudest 100 ms %.1f dBFS at %.0f ms, quietest %.1f dBFS at %.0f ms, %ld of %zu windows "
        "below -60 dBFS\n",
        Vorn::ToDecibels(*loudest), static_cast<double>(loudest - windows.begin()) * statisticsWindowMs,
        Vorn::ToDecibels(*quietest), static_cast<double>(quietest - windows.begin()) * statisticsWindowMs,
        static_cast<long>(silent), windows.size());
}

int PrintStatistics(const Options& options) {
    bool allRead = true;
    for (const std::string& file : options.statsFiles) {
        Vorn::PcmRecording recording;
        if (std::string fault = Vorn::ReadWav(file, recording); !fault.empty()) {
            std::fprintf(stderr, "%s: %s\n", program, fault.c_str());
            allRead = false;
            continue;
        }
        std::vector<float> mono;
        if (recording.channels == 2) {
            mono = Vorn::MonoFromStereo(recording.samples);
        } else {
            for (std::int16_t sample : recording.samples)
                mono.push_back(static_cast<float>(sample) / 32768.0f);
        }
        const Vorn::SoundStatistics statistics = Vorn::MeasureSound(mono, recording.sampleRate);
        std::printf("%s: %d Hz, %d channel%s, %s\n", file.c_str(), recording.sampleRate, recording.channels,
                    recording.channels == 1 ? "" : "s", Describe(statistics).c_str());
        PrintWindows(mono, recording.sampleRate);
    }
    return allRead ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    if (toolkit::AsksForHelp(argc, argv))
        return toolkit::ShowUsage(usage);
    if (toolkit::AsksForVersion(argc, argv))
        return toolkit::ShowVersion(program);
    Options options;
    if (std::string fault; !ParseOptions(argc, argv, options, fault))
        return toolkit::RefuseUsage(program, fault, usage);
    return options.stats ? PrintStatistics(options) : RenderAll(options);
}
