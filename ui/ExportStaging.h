// A hidden folder beside an export's target that the render writes into, moved into place only when it is done.
#pragma once

#include <string>

class ExportStaging {
public:
    ExportStaging() = default;
    ~ExportStaging(); // removes the folder and whatever is left in it
    ExportStaging(const ExportStaging&) = delete;
    ExportStaging& operator=(const ExportStaging&) = delete;

    // Makes the folder beside `target` (a file, or a folder of frames);
    // false with the errno value in *error when the target's folder cannot take it.
    bool create(const std::string& target, int* error);
    // Where the render writes: a name in the folder with the target's own name,
    // so that what refers to it by name (a sheet's JSON) is right once moved.
    std::string renderPath() const { return m_folder + "/" + m_name; }
    const std::string& folder() const { return m_folder; }
    // Moves what was rendered over the target (a sprite sheet's .json with it);
    // an old folder of frames goes. False with the errno value in *error.
    bool commit(bool sheet, int* error);
    // Removes the folder now.
    void discard();

private:
    std::string m_target;
    std::string m_name;
    std::string m_folder;
};
