// Crash recovery in the main window: keeping unsaved effects as the user works, and offering them at the next start.
#pragma once

class SceneDocument;
class wxWindow;

// Keeps every unsaved particle object of the document in this run's
// recovery folder from now on; a folder that cannot be written is reported
// once, over parent.
void StartCrashRecovery(wxWindow* parent, SceneDocument& document);

// Offers what runs that ended without closing left behind: "恢复" opens each
// as an unsaved object with its original file, "放弃" deletes them, closing
// the box keeps them for the next start. Files that do not load are named
// with the reason and kept. Folders of runs still going are never touched.
void OfferCrashRecovery(wxWindow* parent, SceneDocument& document);
