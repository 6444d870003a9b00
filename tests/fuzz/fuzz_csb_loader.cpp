// libFuzzer target: scene files for CSLoader::createNode, both as raw bytes and as well-formed trees the bytes
// describe.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "2d/CCNode.h"
#include "base/CCAutoreleasePool.h"
#include "editor-support/cocostudio/ActionTimeline/CSLoader.h"
#include "editor-support/cocostudio/CSParseBinary_generated.h"
#include "editor-support/cocostudio/CsbFileReader.h"

using namespace cocos2d;
using flatbuffers::FlatBufferBuilder;
using flatbuffers::Offset;

namespace {

// Raw bytes rarely get past the verifier, so the same bytes also steer a
// writer of valid files: every reader then sees odd numbers, names,
// missing resources, nesting and project nodes that name the file itself.
class Steer {
public:
    Steer(const uint8_t* data, size_t size) : _data(data), _size(size) {}
    uint8_t byte() { return _pos < _size ? _data[_pos++] : 0; }
    bool more() const { return _pos < _size; }
    float number() {
        uint32_t bits = 0;
        for (int i = 0; i < 4; ++i) bits = (bits << 8) | byte();
        float f;
        std::memcpy(&f, &bits, sizeof f);
        return f;
    }
    std::string text() {
        std::string s;
        for (int n = byte() % 12; n > 0; --n) s.push_back(static_cast<char>(byte()));
        return s;
    }

private:
    const uint8_t* _data;
    size_t _size;
    size_t _pos = 0;
};

const char* const kClasses[] = {"Node",      "SingleNode", "Sprite",   "Particle", "ProjectNode", "Button",
                                "ImageView", "Text",       "Panel",    "Layout",   "ScrollView",  "CheckBox",
                                "GameMap",   "Label",      "Whatever", "ListView"};

std::string g_selfPath;

Offset<flatbuffers::WidgetOptions> widget(FlatBufferBuilder& b, Steer& s) {
    const flatbuffers::RotationSkew rotation(s.number(), s.number());
    const flatbuffers::Position position(s.number(), s.number());
    const flatbuffers::Scale scale(s.number(), s.number());
    const flatbuffers::AnchorPoint anchor(s.number(), s.number());
    const flatbuffers::Color color(s.byte(), s.byte(), s.byte(), s.byte());
    const flatbuffers::FlatSize size(s.number(), s.number());
    auto name = b.CreateString(s.text());
    return flatbuffers::CreateWidgetOptions(b, name, 0, &rotation, static_cast<int8_t>(s.byte()), s.byte() & 1,
                                            s.byte(), s.byte(), &position, &scale, &anchor, &color, &size, s.byte() & 1,
                                            s.byte() & 1, s.byte() & 1);
}

Offset<flatbuffers::ResourceData> resource(FlatBufferBuilder& b, Steer& s) {
    static const char* const kPaths[] = {"", "missing.png", "missing.plist", "/dev/null", ".", "a.ttf"};
    auto path = b.CreateString(kPaths[s.byte() % 6]);
    return flatbuffers::CreateResourceData(b, path, 0, s.byte() % 3);
}

Offset<flatbuffers::NodeTree> tree(FlatBufferBuilder& b, Steer& s, int depth) {
    std::vector<Offset<flatbuffers::NodeTree>> children;
    const int count = depth < 6 ? s.byte() % 4 : 0;
    for (int i = 0; i < count && s.more(); ++i) children.push_back(tree(b, s, depth + 1));
    const char* cls = kClasses[s.byte() % 16];
    auto w = widget(b, s);
    Offset<void> data;
    const std::string name = cls;
    const flatbuffers::CapInsets insets(s.number(), s.number(), s.number(), s.number());
    const flatbuffers::FlatSize nine(s.number(), s.number());
    const flatbuffers::Color color(s.byte(), s.byte(), s.byte(), s.byte());
    const flatbuffers::BlendFunc blend(s.byte() % 2 ? 770 : static_cast<int>(s.byte()) * 7, 1);
    if (name == "Sprite") {
        data = flatbuffers::CreateSpriteOptions(b, w, resource(b, s), &blend).Union();
    } else if (name == "Particle") {
        data = flatbuffers::CreateParticleSystemOptions(b, w, resource(b, s), &blend).Union();
    } else if (name == "ProjectNode") {
        data = flatbuffers::CreateProjectNodeOptions(b, w, b.CreateString(s.byte() % 2 ? g_selfPath : "x.csb")).Union();
    } else if (name == "Button") {
        auto normal = resource(b, s);
        auto font = resource(b, s);
        auto title = b.CreateString(s.text());
        data = flatbuffers::CreateButtonOptions(b, w, normal, 0, 0, font, title, 0, s.byte(), &color, &insets, &nine,
                                                s.byte() & 1, s.byte() & 1)
                   .Union();
    } else if (name == "ImageView") {
        data = flatbuffers::CreateImageViewOptions(b, w, resource(b, s), &insets, &nine, s.byte() & 1).Union();
    } else if (name == "Text" || name == "Label") {
        auto font = resource(b, s);
        auto value = b.CreateString(s.text());
        data = flatbuffers::CreateTextOptions(b, w, font, 0, s.byte(), value, static_cast<int8_t>(s.byte()) * 40,
                                              s.byte(), s.byte() % 4, s.byte() % 4, false, s.byte() & 1)
                   .Union();
    } else if (name == "Panel" || name == "Layout" || name == "ScrollView" || name == "ListView") {
        const flatbuffers::ColorVector vector(s.number(), s.number());
        data = flatbuffers::CreatePanelOptions(b, w, resource(b, s), false, &color, &color, &color, s.byte() % 4,
                                               s.byte(), &vector, &insets, &nine, s.byte() & 1)
                   .Union();
    } else if (name == "Node") {
        data = w.Union();
    } else {
        data = flatbuffers::CreateSingleNodeOptions(b, w).Union();
    }
    auto options = flatbuffers::CreateOptions(b, Offset<flatbuffers::OptionsData>(data.o));
    return flatbuffers::CreateNodeTree(b, b.CreateString(cls), b.CreateVector(children), options);
}

void writeFile(const std::string& path, const uint8_t* data, size_t size) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) return;
    std::fwrite(data, 1, size, f);
    std::fclose(f);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > (1u << 20)) return 0;
    if (g_selfPath.empty()) {
        g_selfPath = "/tmp/fuzz_csb_" + std::to_string(getpid()) + ".csb";
        std::atexit([] { std::remove(g_selfPath.c_str()); });
    }

    // The bytes as a file, through the engine's entry point.
    writeFile(g_selfPath, data, size);
    CSLoader::createNode(g_selfPath);

    // The bytes as the recipe of a valid file, read from memory and from
    // disk (where its project nodes may name it).
    FlatBufferBuilder builder;
    Steer steer(data, size);
    auto root = tree(builder, steer, 0);
    builder.Finish(flatbuffers::CreateCSParseBinary(builder, builder.CreateString("2.1.0.0"), 0, 0, root));
    CsbFileReader reader;
    reader.readData(builder.GetBufferPointer(), builder.GetSize());
    writeFile(g_selfPath, builder.GetBufferPointer(), builder.GetSize());
    CSLoader::createNode(g_selfPath);

    PoolManager::getInstance()->getCurrentPool()->clear();
    return 0;
}
