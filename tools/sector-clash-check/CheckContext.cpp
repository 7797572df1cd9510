// What every area check is given.
#include "tools/sector-clash-check/CheckContext.h"

namespace check {

std::optional<Brisk::Node> CheckContext::ReadDocument(const std::string& name) const {
    Brisk::Node document;
    std::vector<Brisk::NestingRepair> repairs;
    if (document.LoadFile(PathOf(name).string(), repairs) != 0)
        return std::nullopt;
    ReportRepairs(name, repairs);
    return document;
}

void CheckContext::ReportRepairs(const std::string& name,
                                 const std::vector<Brisk::NestingRepair>& repairs) const {
    if (!filesRead.insert(name).second)
        return;
    const FileProblems report(FileLabel(name), nestingProblems);
    for (const Brisk::NestingRepair& repair : repairs)
        report(repair.element, Brisk::Describe(repair));
}

} // namespace check
