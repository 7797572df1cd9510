// The releases registered during start-up, run in reverse order when the program ends.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace Zelt {

// Whoever loads a process-wide table registers its release here right after the load; RunAll (or the
// destructor) runs them newest first, once. Explicit, so nothing depends on the order of static objects.
class ExitReleases {
public:
    ExitReleases() = default;
    ~ExitReleases() { RunAll(); }
    ExitReleases(const ExitReleases&) = delete;
    ExitReleases& operator=(const ExitReleases&) = delete;

    void Register(std::string name, std::function<void()> release) {
        releases.push_back({std::move(name), std::move(release)});
    }
    void RunAll() {
        while (!releases.empty()) {
            auto release = std::move(releases.back().release);
            releases.pop_back();
            release();
        }
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : releases) {
            names.push_back(entry.name);
        }
        return names;
    }

private:
    struct Entry {
        std::string name;
        std::function<void()> release;
    };
    std::vector<Entry> releases;
};

} // namespace Zelt
