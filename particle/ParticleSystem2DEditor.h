// The particle object: a running engine particle system that is also an editor object.
#pragma once

#include "editor/EditorNode.h"
#include "particle/ParticleParameter.h"

#include "2d/CCParticleExamples.h"

#include <wx/any.h>
#include <wx/string.h>

#include <string>

class wxPGProperty;
class wxXmlNode;

class ParticleSystem2DEditor : public cocos2d::ParticleFlower, public EditorNode {
public:
    // A new object with the parameters and texture of a built-in effect
    // (ParticleTemplate numbers; any other number gives the Flower);
    // autoreleased; null when the engine's initialisation fails.
    static ParticleSystem2DEditor* createFromTemplate(int number);
    // A new object initialised from the particle plist at path, with filePath
    // set to it; autoreleased; null when the engine cannot load the file.
    static ParticleSystem2DEditor* createFromFile(const std::string& path);

    ParticleSystem2DEditor();
    ~ParticleSystem2DEditor() override;

    // Reads the plist at path into the system (the engine's initWithFile).
    bool loadFromFile(const std::string& path);

    // ---- engine side ----
    // Draws the particles, then queues the selection frame above them.
    void draw(cocos2d::Renderer* renderer, const cocos2d::Mat4& transform, uint32_t flags) override;
    // The frame, and while selected the spawn area when it is shown.
    void drawSelection(const cocos2d::Mat4& transform, uint32_t flags) override;

    // Starts the effect over with no particle left in flight and no
    // emission carried over from before, so that the same random stream
    // gives the same particles, in the same order, every time.
    void restartFromNothing();

    // ---- editor side ----
    // The common node rows, then "关键参数", "显示相关" and "发射器".
    void createProperties() override;
    // The common node names first, then the particle rows by full name.
    void applyProperty(wxPGProperty* property, const wxString& name, const wxAny& value) override;
    // Appends the pairs of the particle plist to the "dict" element.
    void writeXml(wxXmlNode* dict) override;
    // A ParticleState: the node values, every parameter of the mode in
    // force, the texture with its name and embedded picture.
    std::unique_ptr<ObjectState> captureState() override;
    // Sets what differs from the snapshot through the parameters' own
    // setters; the particles already in flight keep going.
    void restoreState(const ObjectState& state) override;
    bool keepsFile() const override { return true; }

    // Append the group of one emitter mode into parent (the "emitterType" property).
    void addGravityModeProperties(wxPGProperty* parent);
    void addRadiusModeProperties(wxPGProperty* parent);

    // The grid value of a parameter row, read from the running system
    // (textureName for the texture row).
    wxAny parameterValue(const ParticleParameter& row);
    // One committed edit of a parameter row, value already in its kind's
    // type: sets the engine value and refreshes the linked row on the page;
    // the emitter mode also swaps the group below it, the texture row loads
    // the chosen image (and on failure shows the previous name again).
    void applyParameter(const ParticleParameter& row, const wxAny& value, wxPGProperty* property);

    // Loads the image at path (backslashes read as slashes) as the texture.
    // On success textureName becomes the bare file name and any embedded
    // texture of the loaded file is dropped; on failure the message
    // "不支持的图片格式！" is shown and nothing changes.
    bool changeTexture(const wxString& path);

    // The name written under "textureFileName".
    wxString textureName;

    // The "textureImageData" text of the loaded file, as read; empty when
    // there was none or the texture has since been changed.
    const std::string& embeddedTexture() const { return m_embeddedTexture; }

private:
    std::string m_embeddedTexture;
};
