// The game's data archive: every XML data file is read through it, by its name relative to "data/".
#pragma once

#include "datafiles/Node.h"

#include <string>

class DataArchive {
public:
    // Stands for opening the archive shipped beside the program; documents are plain files under
    // "data/", so there is nothing to do and nothing can fail.
    void Open(const std::string& archiveName);
    // The parsed document "data/" + name (named after that path). A file that cannot be opened gives a
    // fresh node ("Mark", no children): loaders then keep their defaults. Nothing is cached.
    Brisk::Node ReadDocument(const std::string& name) const;
    // Whether the archive holds a file of that name (readable or not).
    bool Contains(const std::string& name) const;
    // Reads from another folder instead of "data/" (tools that are given a data folder); the game never
    // calls it.
    void SetFolder(const std::string& folder);

private:
    std::string folder = "data/";
};

extern DataArchive dataArchive;
