// The commands that put a new editable object into the scene: New, the examples, the create entries.
#pragma once

namespace CreationCommands {

// A particle object from built-in effect number `templateNumber`, under the
// selected node at (0, 0) when there is one, else at the centre of the
// scene; it becomes the selection. False when the engine made nothing.
bool createParticle(int templateNumber);

// A reference sprite of "Sprite.png", placed and selected like a particle.
bool createSprite();

} // namespace CreationCommands
