// The game's data archive: documents read as plain XML files under "data/".
#include "datafiles/DataArchive.h"

#include <filesystem>

DataArchive dataArchive;

void DataArchive::Open(const std::string&) {}

Brisk::Node DataArchive::ReadDocument(const std::string& name) const {
    Brisk::Node document;
    document.LoadFile(folder + name);
    return document;
}

void DataArchive::SetFolder(const std::string& newFolder) {
    folder = newFolder.empty() || newFolder.back() == '/' ? newFolder : newFolder + "/";
}

bool DataArchive::Contains(const std::string& name) const {
    std::error_code error;
    return std::filesystem::exists(folder + name, error);
}
