// Build switches of the engine layer, with the engine's default values.
#ifndef __CCCONFIG_H__
#define __CCCONFIG_H__

#include "platform/CCPlatformConfig.h"

#ifndef CC_ENABLE_PREMULTIPLIED_ALPHA
#define CC_ENABLE_PREMULTIPLIED_ALPHA 1
#endif

#ifndef CC_DIRECTOR_STATS_INTERVAL
#define CC_DIRECTOR_STATS_INTERVAL (0.5f)
#endif

#ifndef CC_DIRECTOR_STATS_POSITION
#define CC_DIRECTOR_STATS_POSITION Director::getInstance()->getVisibleOrigin()
#endif

#ifndef CC_USE_CULLING
#define CC_USE_CULLING 1
#endif

#ifndef CC_SPRITE_DEBUG_DRAW
#define CC_SPRITE_DEBUG_DRAW 0
#endif

#ifndef CC_ENABLE_SCRIPT_BINDING
#define CC_ENABLE_SCRIPT_BINDING 0
#endif

#ifndef CC_USE_PHYSICS
#define CC_USE_PHYSICS 0
#endif

#ifndef CC_USE_3D_PHYSICS
#define CC_USE_3D_PHYSICS 0
#endif

#ifndef CC_USE_NAVMESH
#define CC_USE_NAVMESH 0
#endif

#ifndef CC_FIX_ARTIFACTS_BY_STRECHING_TEXEL
#define CC_FIX_ARTIFACTS_BY_STRECHING_TEXEL 0
#endif

#ifndef CC_TEXTURE_ATLAS_USE_VAO
#define CC_TEXTURE_ATLAS_USE_VAO 0
#endif

#ifndef CC_ENABLE_GL_STATE_CACHE
#define CC_ENABLE_GL_STATE_CACHE 1
#endif

#endif  // __CCCONFIG_H__
