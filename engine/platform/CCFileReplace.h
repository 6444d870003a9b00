// Replacing a file's contents so that a failure or a power cut leaves the old contents or the new, never a mix.
#ifndef __CC_FILEREPLACE_H__
#define __CC_FILEREPLACE_H__

#include <cstddef>
#include <string>

#include "platform/CCPlatformMacros.h"

NS_CC_BEGIN

// Puts `size` bytes into the file at `path` and returns 0, or returns the errno
// value that stopped it, with the file as it was.
//
// A symbolic link is followed to its file. A file that a plain write could
// not change (no write permission; for root, no write bit at all) is refused
// with EACCES rather than replaced. Otherwise the bytes go to a new file
// beside it under an unforeseeable name, which is renamed over it, and the
// folder is synced; the new file keeps the old one's mode and owner. A file
// with other hard links, or whose owner could not be kept, is rewritten in
// place instead so that it stays the same file for everyone else; should
// that fail part way, its old contents are put back.
int replaceFileContents(const std::string& path, const char* bytes, size_t size);

NS_CC_END

#endif // __CC_FILEREPLACE_H__
