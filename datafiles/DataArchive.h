// The game's data archive: every XML data file is read through it, by its name relative to "data/".
#pragma once

#include "datafiles/Node.h"

#include <functional>
#include <mutex>
#include <set>
#include <string>

class DataArchive {
public:
    // Stands for opening the archive shipped beside the program; documents are plain files under
    // "data/", so there is nothing to do and nothing can fail.
    void Open(const std::string& archiveName);
    // The parsed document "data/" + name (named after that path). A file that cannot be opened gives a
    // fresh node ("Mark", no children): loaders then keep their defaults. Nothing is cached.
    Brisk::Node ReadDocument(const std::string& name) const;
    // The same without telling the report: for readers that say themselves what a missing file means.
    Brisk::Node ReadDocumentQuietly(const std::string& name) const;
    // Whether the archive holds a file of that name (readable or not).
    bool Contains(const std::string& name) const;
    // Reads from another folder instead of "data/" (tools that are given a data folder); the game never
    // calls it.
    void SetFolder(const std::string& folder);
    // The folder documents are read from, ending in "/" ("data/" for the game).
    const std::string& Folder() const { return folder; }

    // What ReadDocument tells, once per file, when a file cannot be opened, or holds no element and no markup
    // at all (a file of comments alone is meant so): the loaders then keep their defaults, and the game says
    // what it goes on without. Nothing by default.
    enum class Fault { missing, empty };
    using FaultReport = std::function<void(const std::string& path, Fault fault)>;
    void SetFaultReport(FaultReport report);

private:
    // Tells the report of the file's fault unless it was told before.
    void Report(const std::string& path, Fault fault) const;

    std::string folder = "data/";
    FaultReport faultReport;
    mutable std::mutex reportedGuard;
    mutable std::set<std::string> reported;
};

extern DataArchive dataArchive;
