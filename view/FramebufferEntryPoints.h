// Binding the framebuffer-object entry points when the driver offers them only as an extension.
#pragma once

namespace FramebufferEntryPoints {

using Resolver = void* (*)(const char* name);

// The entry points in binding order, under their plain names.
extern const char* const kNames[17];

// If GLEW did not resolve glGenFramebuffers, resolves all 17 entry points
// through `resolve` (plain names for ARB_framebuffer_object, "EXT"-suffixed
// ones for EXT_framebuffer_object) and stores each result, null included, in
// GLEW's pointer of the same name. Logs what it found. False when neither
// extension is offered.
bool Bind(const char* extensions, Resolver resolve);

// glXGetProcAddressARB, as a Resolver.
void* ResolveWithGlx(const char* name);

}  // namespace FramebufferEntryPoints
