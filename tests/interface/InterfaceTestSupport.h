// A small world with a fog of war, the shipped texts and an interface over it, for the interface tests.
#pragma once

#include "datafiles/CallsignTable.h"
#include "datafiles/DataArchive.h"
#include "datafiles/TextTable.h"
#include "interface/Interface.h"
#include "rules/FowData.h"
#include "scene/Camera.h"
#include "shell/Configuration.h"
#include "world/World.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace interface_test {

// The layout the tests reason with: a 200-pixel minimap 8 pixels from the corner on a 256-texel picture.
inline const char* const testLayout =
    "<minimap size=\"200\" offset=\"8\" texture_size=\"256\" tank_size=\"3\" tower_size=\"4\" "
    "building_size=\"7\"/>"
    "<infobox size=\"200\" title_x=\"-192\" title_y=\"62\" line1_x=\"-192\" line1_y=\"56\"/>";

inline Brisk::Node Document(const std::string& text) {
    Brisk::Node document;
    document.LoadText(text.c_str());
    return document;
}

class InterfaceTest : public testing::Test {
protected:
    static constexpr int screenWidth = 1280;
    static constexpr int screenHeight = 720;
    static constexpr float mapSize = 4096;

    void SetUp() override {
        Zelt::configuration = Zelt::Configuration{};
        Zelt::configuration.screenWidth = screenWidth;
        Zelt::configuration.screenHeight = screenHeight;
        LoadTexts(textTable, dataArchive.ReadDocument("texts.xml"), "en");
        LoadCallsigns(callsignTable, dataArchive.ReadDocument("callsigns.xml"), "en");
        fowRecord.granularity = 64;
        fowRecord.beforeFadeBackTime = 10;
        fowRecord.fadeBackTime = 5;
        world = std::make_unique<Vorn::World>(mapSize, mapSize, screenWidth, screenHeight, &fowRecord);
        world->fog.Reset(3);
        camera = std::make_unique<Vorn::Camera>(mapSize, mapSize);
        MakeInterface(testLayout);
    }
    void TearDown() override {
        ui.reset();
        world.reset();
        Zelt::configuration = Zelt::Configuration{};
        textTable.Clear();
    }
    void MakeInterface(const std::string& layout) {
        ui.reset();
        ui = std::make_unique<Vorn::Interface>(world.get(), camera.get(), commands, Document(layout));
    }
    // Files a plain object (one the world's tick leaves alone) of the kind and side.
    Vorn::Object* Place(float x, float y, int side, Vorn::ObjectKind kind, float size = 10) {
        auto* object = new Vorn::Object;
        object->x = x;
        object->y = y;
        object->side = side;
        object->size = size;
        world->InsertObject(object, kind);
        return object;
    }
    // Runs the minimap through one whole cycle, ending with the upload.
    void PaintMinimap() {
        for (int phase = 0; phase < Vorn::Minimap::phaseCount; ++phase)
            ui->GetMinimap().Update();
    }

    Vorn::Constants::FowData fowRecord;
    std::unique_ptr<Vorn::World> world;
    Vorn::CommandQueue commands;
    std::unique_ptr<Vorn::Camera> camera;
    std::unique_ptr<Vorn::Interface> ui;
};

} // namespace interface_test
