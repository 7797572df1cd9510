// Reads "constants.xml" into the constants table.
#include "rules/ConstantsLoader.h"

#include "datafiles/DataArchive.h"
#include "datafiles/Node.h"
#include "rules/RecordClass.h"

namespace Vorn::Constants {
namespace {

// Fills each field from the "value" attribute of the child element named like its key; a missing child or
// attribute leaves the field at its zero default.
class FieldReader {
public:
    explicit FieldReader(const Brisk::Node& element) : element(element) {}

    void operator()(const char* key, int& field) const {
        if (const Brisk::Attribute* value = ValueOf(key))
            field = Brisk::ToInt(*value);
    }
    void operator()(const char* key, float& field) const {
        if (const Brisk::Attribute* value = ValueOf(key))
            field = static_cast<float>(Brisk::ToFloat(*value));
    }
    void operator()(const char* key, bool& field) const {
        if (const Brisk::Attribute* value = ValueOf(key))
            field = Brisk::ToBool(*value);
    }
    void operator()(const char* key, std::string& field) const {
        if (const Brisk::Attribute* value = ValueOf(key))
            field = value->value;
    }
    void operator()(const char* key, BulletType& field) const {
        if (const Brisk::Attribute* value = ValueOf(key))
            field = BulletTypeOfWord(value->value);
    }

private:
    const Brisk::Attribute* ValueOf(const char* key) const {
        const Brisk::Node* child = element.FindChild(key);
        return child ? child->FindAttribute("value") : nullptr;
    }

    const Brisk::Node& element;
};

} // namespace

BulletType BulletTypeOfWord(const std::string& word) {
    static const char* const words[bulletTypeCount] = {"gun",    "razor",   "cannon",
                                                       "rocket", "rocketL", "grenade"};
    for (int kind = 0; kind < bulletTypeCount; ++kind) {
        if (word == words[kind])
            return static_cast<BulletType>(kind);
    }
    return BulletType::GunBullet;
}

std::unique_ptr<ObjectData> ReadRecord(ConstantId id, const Brisk::Node& element) {
    return WithRecordType(RecordClassOf(id), [&]<class Record>(std::type_identity<Record>) {
        if constexpr (std::is_void_v<Record>) {
            return std::unique_ptr<ObjectData>();
        } else {
            auto record = std::make_unique<Record>();
            VisitFields(*record, FieldReader(element));
            return std::unique_ptr<ObjectData>(std::move(record));
        }
    });
}

void LoadConstantsFrom(const Brisk::Node& document, ConstantsTable& table) {
    for (const Brisk::Node& element : document.children) {
        ConstantId id = ConstantIdOfName(element.name);
        if (id != ConstantId::None)
            table.Replace(id, ReadRecord(id, element));
    }
}

void LoadConstants() {
    constantsTable.Clear();
    LoadConstantsFrom(dataArchive.ReadDocumentQuietly(constantsFileName), constantsTable);
}

void ReleaseConstants() {
    constantsTable.Clear();
}

std::string MissingConstantsMessage(const ConstantsTable& table) {
    std::vector<std::string> missing = table.MissingEntries();
    if (missing.empty())
        return {};
    if (missing.size() == static_cast<std::size_t>(IndexOf(lastConstantId) - IndexOf(firstConstantId) + 1))
        return "constants.xml gives none of the game's entries: it is missing, empty or not XML.";
    // A line a person can read: the first few names and how many more.
    constexpr std::size_t namesShown = 8;
    std::string message = "constants.xml lacks the ";
    message += missing.size() == 1 ? "entry " : "entries ";
    for (std::size_t index = 0; index < missing.size() && index < namesShown; ++index) {
        if (index > 0)
            message += ", ";
        message += missing[index];
    }
    if (missing.size() > namesShown)
        message += " and " + std::to_string(missing.size() - namesShown) + " more";
    message += "; the game cannot start without them.";
    return message;
}

} // namespace Vorn::Constants
