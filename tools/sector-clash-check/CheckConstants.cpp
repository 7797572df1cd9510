// The constants area of the data checker: "constants.xml" entry by entry, key by key, then the values
// that only make sense together (loads, ranges, prices, particle names).
#include "datafiles/Node.h"
#include "rules/ConstantsLoader.h"
#include "rules/RecordClass.h"
#include "rules/TypeCatalogue.h"
#include "tools/sector-clash-check/CheckAreas.h"
#include "tools/sector-clash-check/ConstantCombinations.h"
#include "tools/sector-clash-check/ConstantLimits.h"
#include "tools/sector-clash-check/Text.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <map>
#include <set>

namespace check {
namespace {

using namespace Vorn::Constants;

const std::string constantsFile = Vorn::Constants::constantsFileName;

enum class ValueForm { Integer, Real, Flag, Text, BulletWord };

// The keys of a record class with the form their values are written in.
class KeyForms {
public:
    void operator()(const char* key, int&) { forms[key] = ValueForm::Integer; }
    void operator()(const char* key, float&) { forms[key] = ValueForm::Real; }
    void operator()(const char* key, bool&) { forms[key] = ValueForm::Flag; }
    void operator()(const char* key, std::string&) { forms[key] = ValueForm::Text; }
    void operator()(const char* key, Vorn::BulletType&) { forms[key] = ValueForm::BulletWord; }

    std::map<std::string, ValueForm> forms;
};

std::map<std::string, ValueForm> KeysOf(RecordClass recordClass) {
    return WithRecordType(recordClass, []<class Record>(std::type_identity<Record>) {
        KeyForms keys;
        if constexpr (!std::is_void_v<Record>) {
            Record record;
            VisitFields(record, keys);
        }
        return keys.forms;
    });
}

// Only white space may follow the number the C library read.
bool ReadCompletely(const char* start, const char* end) {
    if (end == start || errno == ERANGE)
        return false;
    while (*end == ' ' || *end == '\t' || *end == '\n')
        ++end;
    return *end == '\0';
}

bool ReadsAsInteger(const std::string& text) {
    char* end = nullptr;
    errno = 0;
    std::strtol(text.c_str(), &end, 10);
    return ReadCompletely(text.c_str(), end);
}

bool ReadsAsReal(const std::string& text) {
    char* end = nullptr;
    errno = 0;
    std::strtod(text.c_str(), &end);
    return ReadCompletely(text.c_str(), end);
}

// What the loader would silently misread in one value.
std::string FormProblem(ValueForm form, const std::string& value) {
    switch (form) {
    case ValueForm::Integer:
        if (!ReadsAsInteger(value))
            return Text("\"", value, "\" is not a whole number; the game reads ", std::atoi(value.c_str()));
        break;
    case ValueForm::Real:
        if (!ReadsAsReal(value))
            return Text("\"", value, "\" is not a number; the game reads ", std::atof(value.c_str()));
        break;
    case ValueForm::Flag:
        if (value != "true" && value != "false" && !ReadsAsReal(value))
            return Text("\"", value, "\" is neither true, false nor a number; the game reads it as true");
        break;
    case ValueForm::BulletWord:
        if (value != "gun" && value != "razor" && value != "cannon" && value != "rocket" &&
            value != "rocketL" && value != "grenade")
            return Text("\"", value,
                        "\" is not one of gun, razor, cannon, rocket, rocketL, grenade (matched exactly); "
                        "the game fires gun bullets");
        break;
    case ValueForm::Text:
        break;
    }
    return {};
}

std::string CaseInsensitiveMatch(const std::string& name) {
    for (int index = IndexOf(firstConstantId); index <= IndexOf(lastConstantId); ++index) {
        std::string_view entry = ConstantName(ConstantIdFromIndex(index));
        if (entry.size() == name.size() &&
            std::equal(entry.begin(), entry.end(), name.begin(),
                       [](char a, char b) { return std::tolower(a) == std::tolower(b); }))
            return std::string(entry);
    }
    return {};
}

void CheckKeys(const Brisk::Node& element, RecordClass recordClass, const FileProblems& report) {
    const std::map<std::string, ValueForm> forms = KeysOf(recordClass);
    std::set<std::string> seen;
    for (const Brisk::Node& child : element.children) {
        const std::string where = element.name + "/" + child.name;
        auto form = forms.find(child.name);
        if (form == forms.end()) {
            report(where,
                   Text("unknown key for ", RecordClassName(recordClass), " (a typo?); the game ignores it"));
            continue;
        }
        if (!seen.insert(child.name).second) {
            report(where, "key given more than once; the game reads only the first");
            continue;
        }
        const Brisk::Attribute* value = child.FindAttribute("value");
        if (!value) {
            report(where, "no \"value\" attribute; the game reads 0");
            continue;
        }
        if (std::string problem = FormProblem(form->second, value->value); !problem.empty())
            report(where, problem);
    }
    std::string missing;
    for (const auto& [key, form] : forms) {
        if (!seen.contains(key))
            missing += (missing.empty() ? "" : ", ") + key;
    }
    if (!missing.empty())
        report(element.name, Text("missing keys ", missing, "; the game reads 0 for them"));
}

// Unknown, repeated and missing entries, and the keys of every entry.
void CheckEntries(const Brisk::Node& document, const FileProblems& report) {
    std::map<ConstantId, int> occurrences;
    for (const Brisk::Node& element : document.children) {
        if (element.openKind != Brisk::plain)
            continue; // a declaration such as <?xml ...?>
        ConstantId id = ConstantIdOfName(element.name);
        if (id == ConstantId::None) {
            std::string suggestion = CaseInsensitiveMatch(element.name);
            report(element.name, suggestion.empty()
                                     ? std::string("unknown entry; the game ignores it")
                                     : Text("unknown entry (names are case-sensitive: ", suggestion,
                                            "?); the game ignores it"));
            continue;
        }
        if (++occurrences[id] == 2)
            report(element.name, "entry given more than once; the game keeps only the last");
        for (const Brisk::Attribute& attribute : element.attributes)
            report(element.name, Text("attribute ", attribute.name,
                                      " is ignored; values are child elements such as <key value=\"...\"/>"));
        CheckKeys(element, RecordClassOf(id), report);
    }
    for (int index = IndexOf(firstConstantId); index <= IndexOf(lastConstantId); ++index) {
        ConstantId id = ConstantIdFromIndex(index);
        if (!occurrences.contains(id))
            report(std::string(ConstantName(id)), "missing entry; the game refuses to start without it");
    }
}

// Every numeric value against its sane range.
class RangeCheck {
public:
    RangeCheck(ConstantId id, const FileProblems& report) : id(id), report(report) {}

    void operator()(const char* key, int& field) { Check(key, field); }
    void operator()(const char* key, float& field) { Check(key, field); }
    void operator()(const char*, bool&) {}
    void operator()(const char*, std::string&) {}
    void operator()(const char*, Vorn::BulletType&) {}

private:
    void Check(const char* key, double value) {
        Limit limit = LimitOf(RecordClassOf(id), key);
        if (!std::isfinite(value) || value < limit.min || value > limit.max)
            report(Text(ConstantName(id), "/", key),
                   Text(value, " is outside the sane range ", limit.min, " to ", limit.max));
    }

    ConstantId id;
    const FileProblems& report;
};

void CheckRanges(const ConstantsTable& table, const FileProblems& report) {
    for (int index = IndexOf(firstConstantId); index <= IndexOf(lastConstantId); ++index) {
        ConstantId id = ConstantIdFromIndex(index);
        if (!table[id])
            continue;
        WithRecordType(RecordClassOf(id), [&]<class Record>(std::type_identity<Record>) {
            if constexpr (!std::is_void_v<Record>) {
                Record copy = *table.Find<Record>(id);
                VisitFields(copy, RangeCheck(id, report));
            }
        });
    }
}

} // namespace

void CheckConstants(const CheckContext& context, Problems& problems) {
    FileProblems report(context.FileLabel(constantsFile), problems);
    std::optional<Brisk::Node> document = context.ReadDocument(constantsFile);
    if (!document) {
        report("(file)", "cannot be opened; the game would start without any rules");
        return;
    }
    CheckEntries(*document, report);

    ConstantsTable table;
    LoadConstantsFrom(*document, table);
    CheckRanges(table, report);
    CheckConstantCombinations(table, report);
    CheckConstantParticles(context, table, report);
}

} // namespace check
