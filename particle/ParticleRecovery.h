// What crash recovery keeps of a particle object, and the object it gives back.
#pragma once

#include "editor/SceneDocument.h"

#include <string>

class EditorObject;
class ParticleSystem2DEditor;
struct RecoveryEntry;

// The object's plist as Save writes it, and the picture file it shows
// (empty for an embedded picture or an object that is no particle system).
SceneDocument::RecoveryContent ParticleRecoveryContent(EditorObject& object);

// A particle object with the values of the recovery file at `file`, kept
// for `entry`: its file is the entry's original path (Save writes there) and
// it has unsaved changes. Its picture is the one it showed when that file is
// still there, else found as opening the original file would find it. Null
// with the engine's reason in *why when the file does not load.
ParticleSystem2DEditor* LoadRecoveredParticle(const std::string& file, const RecoveryEntry& entry, std::string* why);
