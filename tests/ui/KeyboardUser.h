// A user at the keyboard of the real program: keys and typing through xdotool, and paths typed into the file chooser.
#pragma once

#include "X11Window.h"

#include <string>

class RunningEditor;

void Sleep(int ms);
// Runs a shell command with its output dropped; true when it succeeded.
bool Run(const std::string& command);
bool Keys(const std::string& keys);
bool Type(const std::string& text);
bool Focus(XWindow w);

class KeyboardUser {
public:
    explicit KeyboardUser(RunningEditor& editor) : m_editor(editor) {}

    bool focusMain();
    // Waits for the chooser titled `title` that the last key opened, types
    // the path into it and confirms; true once the chooser has gone.
    bool choose(const std::string& title, const std::string& path, bool openDialog);

private:
    RunningEditor& m_editor;
};
