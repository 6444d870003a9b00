// Where the program's own run-time files (the "rc/" pictures and the "res/" textures) are.
#ifndef __CC_RUNTIMEFILES_H__
#define __CC_RUNTIMEFILES_H__

#include <string>

#include "platform/CCPlatformMacros.h"

NS_CC_BEGIN

// The folder that holds both "rc/" and "res/", ending in a slash: the
// working directory ("") when it has them, as a source checkout run from its
// folder does; else the installation's "share/flarewick/" beside the
// executable's "bin/"; else the folder above the executable (a build folder
// inside a checkout). The working directory ("") when none has them. Decided
// once per process.
const std::string& runTimeFolder();
// A run-time file's path: runTimeFolder() followed by `relative` ("rc/Icon.ico").
std::string runTimeFile(const std::string& relative);
// Whether the working directory holds the run-time files; the program then
// keeps its configuration there too.
bool runTimeFilesInWorkingDirectory();

// The running program's file, as the system names it ("" when unknown).
std::string executablePath();

// The choice itself, for a given working directory and executable path.
std::string findRunTimeFolder(const std::string& workingDirectory, const std::string& executable);

NS_CC_END

#endif // __CC_RUNTIMEFILES_H__
