// Marks a text the engine hands to the editor for showing to a user.
#ifndef __CC_USERTEXT_H__
#define __CC_USERTEXT_H__

// The engine never translates; the marker leaves the literal as it is and lets
// the editor's catalog extraction find it. Whoever shows the text looks it up
// in the catalog at that point, so the text must be the whole message (values
// go in separately, never glued onto it).
#define CC_USER_TEXT(text) text

#endif // __CC_USERTEXT_H__
