// Writes Cocos Studio binary scenes for the tests, from the engine's schema, with the tool's field conventions.
#pragma once

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "editor-support/cocostudio/CSParseBinary_generated.h"

// Header only: every test executable that links the engine can use it.
class CsbTestWriter {
public:
    struct Props {
        std::string name;
        float x = 0, y = 0;
        float scaleX = 1, scaleY = 1;
        float rotationX = 0, rotationY = 0;
        float anchorX = 0.5f, anchorY = 0.5f;
        int zOrder = 0;
        bool visible = true;
        uint8_t alpha = 255;
        int tag = 0;
        uint8_t r = 255, g = 255, b = 255, a = 255;
        float width = 0, height = 0;
        bool flipX = false, flipY = false;
    };

    flatbuffers::FlatBufferBuilder fbb;

    flatbuffers::Offset<flatbuffers::WidgetOptions> widget(const Props& p) {
        const flatbuffers::RotationSkew rotation(p.rotationX, p.rotationY);
        const flatbuffers::Position position(p.x, p.y);
        const flatbuffers::Scale scale(p.scaleX, p.scaleY);
        const flatbuffers::AnchorPoint anchor(p.anchorX, p.anchorY);
        const flatbuffers::Color color(p.a, p.r, p.g, p.b);
        const flatbuffers::FlatSize size(p.width, p.height);
        // The tool writes every struct and the layout component, even at defaults.
        auto layout = flatbuffers::CreateLayoutComponentTable(fbb);
        return flatbuffers::CreateWidgetOptions(fbb, fbb.CreateString(p.name), 0, &rotation, p.zOrder, p.visible,
                                                p.alpha, p.tag, &position, &scale, &anchor, &color, &size, p.flipX,
                                                p.flipY, false, false, fbb.CreateString(""), fbb.CreateString(""),
                                                fbb.CreateString(""), fbb.CreateString(""), layout);
    }

    flatbuffers::Offset<flatbuffers::ResourceData> resource(const std::string& path, int type = 0) {
        return flatbuffers::CreateResourceData(fbb, fbb.CreateString(path), fbb.CreateString(""), type);
    }

    template <class T>
    flatbuffers::Offset<flatbuffers::NodeTree>
    node(const std::string& classname, flatbuffers::Offset<T> options,
         const std::vector<flatbuffers::Offset<flatbuffers::NodeTree>>& children = {},
         const std::string& customClassName = "") {
        auto data = flatbuffers::Offset<flatbuffers::OptionsData>(options.o);
        auto opts = flatbuffers::CreateOptions(fbb, data);
        return flatbuffers::CreateNodeTree(fbb, fbb.CreateString(classname), fbb.CreateVector(children), opts,
                                           fbb.CreateString(customClassName));
    }

    flatbuffers::Offset<flatbuffers::NodeTree>
    plainNode(const Props& p, const std::vector<flatbuffers::Offset<flatbuffers::NodeTree>>& children = {}) {
        return node("Node", widget(p), children);
    }

    flatbuffers::Offset<flatbuffers::NodeTree>
    sprite(const Props& p, const std::string& image,
           const std::vector<flatbuffers::Offset<flatbuffers::NodeTree>>& children = {}) {
        auto w = widget(p);
        auto file = resource(image);
        return node("Sprite", flatbuffers::CreateSpriteOptions(fbb, w, file), children);
    }

    flatbuffers::Offset<flatbuffers::NodeTree> particle(const Props& p, const std::string& plist) {
        auto w = widget(p);
        auto file = resource(plist);
        return node("Particle", flatbuffers::CreateParticleSystemOptions(fbb, w, file));
    }

    flatbuffers::Offset<flatbuffers::NodeTree> projectNode(const Props& p, const std::string& file) {
        auto w = widget(p);
        auto name = fbb.CreateString(file);
        return node("ProjectNode", flatbuffers::CreateProjectNodeOptions(fbb, w, name, 1.0f));
    }

    // The root as the tool writes it: version, empty texture lists, an action with no timelines.
    std::vector<uint8_t> finish(flatbuffers::Offset<flatbuffers::NodeTree> tree, const char* version = "2.1.0.0") {
        auto action = flatbuffers::CreateNodeAction(fbb, 0, 1.0f,
                                                    fbb.CreateVector<flatbuffers::Offset<flatbuffers::TimeLine>>({}));
        auto root = flatbuffers::CreateCSParseBinary(
            fbb, version ? fbb.CreateString(version) : 0,
            fbb.CreateVector<flatbuffers::Offset<flatbuffers::String>>({}),
            fbb.CreateVector<flatbuffers::Offset<flatbuffers::String>>({}), tree, action,
            fbb.CreateVector<flatbuffers::Offset<flatbuffers::AnimationInfo>>({}));
        fbb.Finish(root);
        return std::vector<uint8_t>(fbb.GetBufferPointer(), fbb.GetBufferPointer() + fbb.GetSize());
    }

    static bool save(const std::string& path, const std::vector<uint8_t>& bytes) {
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return static_cast<bool>(out);
    }
};
