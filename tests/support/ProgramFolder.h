// A working folder for the real program: its pictures (rc/, res/) linked in, as an installation has them beside it.
#pragma once

#include "TempDir.h"

#include <string>
#include <unistd.h>

// Defined by every test program as the source tree's root.
#ifndef FW_SOURCE_DIR
#error "FW_SOURCE_DIR must name the source tree"
#endif

inline bool LinkProgramPictures(const TempDir& work) {
    for (const char* folder : {"rc", "res"})
        if (symlink((std::string(FW_SOURCE_DIR) + "/" + folder).c_str(), work.file(folder).c_str()) != 0) return false;
    return true;
}
