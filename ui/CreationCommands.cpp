// New objects from their factories, registered with the page, the scene, the tree and the selection.
#include "ui/CreationCommands.h"

#include "editor/RegisterEditorObject.h"
#include "editor/SpriteEditor.h"
#include "particle/ParticleSystem2DEditor.h"
#include "ui/PreviewCommands.h"

namespace CreationCommands {

bool createParticle(int templateNumber) {
    SeedNewEffect();
    return RegisterEditorObject(ParticleSystem2DEditor::createFromTemplate(templateNumber), wxS("Particle2D"));
}

bool createSprite() {
    return RegisterEditorObject(SpriteEditor::create("Sprite.png"), wxS("Sprite"));
}

} // namespace CreationCommands
