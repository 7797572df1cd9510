// Puts hand-made records into the game's constants table for one test and empties it afterwards.
#pragma once

#include "rules/ConstantsTable.h"
#include "rules/TypeCatalogue.h"

#include <memory>

namespace WorldTest {

class TestRecords {
public:
    TestRecords() { Vorn::Constants::constantsTable.Clear(); }
    ~TestRecords() { Vorn::Constants::constantsTable.Clear(); }
    TestRecords(const TestRecords&) = delete;
    TestRecords& operator=(const TestRecords&) = delete;

    // A default record of the class for the type; the table owns it, the test may change it through the
    // answer for as long as the table holds it.
    template <class Record, class Type> Record& Add(Type type) {
        auto record = std::make_unique<Record>();
        Record& kept = *record;
        Vorn::Constants::constantsTable.Replace(Vorn::ConstantIdOf(type), std::move(record));
        return kept;
    }
    template <class Record> Record& Add(Vorn::Constants::ConstantId id) {
        auto record = std::make_unique<Record>();
        Record& kept = *record;
        Vorn::Constants::constantsTable.Replace(id, std::move(record));
        return kept;
    }
};

} // namespace WorldTest
