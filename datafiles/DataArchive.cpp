// The game's data archive: documents read as plain XML files under "data/".
#include "datafiles/DataArchive.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <utility>

DataArchive dataArchive;

namespace {

bool HoldsElement(const Brisk::Node& document) {
    for (const Brisk::Node& child : document.children) {
        if (child.openKind == Brisk::plain)
            return true;
    }
    return false;
}

// A file of comments alone is written so on purpose (a drawing of nothing); one without any markup is
// empty or not XML at all.
bool HoldsMarkup(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::find(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>(), '<') !=
           std::istreambuf_iterator<char>();
}

} // namespace

void DataArchive::Open(const std::string&) {}

Brisk::Node DataArchive::ReadDocument(const std::string& name) const {
    Brisk::Node document;
    const bool opened = document.LoadFile(folder + name) == 0;
    if (faultReport && (!opened || (!HoldsElement(document) && !HoldsMarkup(folder + name))))
        Report(folder + name, opened ? Fault::empty : Fault::missing);
    return document;
}

Brisk::Node DataArchive::ReadDocumentQuietly(const std::string& name) const {
    Brisk::Node document;
    document.LoadFile(folder + name);
    return document;
}

void DataArchive::Report(const std::string& path, Fault fault) const {
    const std::lock_guard<std::mutex> lock(reportedGuard);
    if (reported.insert(path).second)
        faultReport(path, fault);
}

void DataArchive::SetFaultReport(FaultReport report) {
    const std::lock_guard<std::mutex> lock(reportedGuard);
    faultReport = std::move(report);
    reported.clear();
}

void DataArchive::SetFolder(const std::string& newFolder) {
    folder = newFolder.empty() || newFolder.back() == '/' ? newFolder : newFolder + "/";
}

bool DataArchive::Contains(const std::string& name) const {
    std::error_code error;
    return std::filesystem::exists(folder + name, error);
}
