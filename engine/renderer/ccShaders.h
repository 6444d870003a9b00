// Sources of the engine's default shaders (GLSL 1.20; the built-in uniforms are declared by GLProgram).
#ifndef __CCSHADER_H__
#define __CCSHADER_H__

#include "platform/CCPlatformMacros.h"

NS_CC_BEGIN

extern CC_DLL const char* ccPositionTextureColor_vert;
extern CC_DLL const char* ccPositionTextureColor_frag;
extern CC_DLL const char* ccPositionTextureColor_noMVP_vert;
extern CC_DLL const char* ccPositionTextureColor_noMVP_frag;
extern CC_DLL const char* ccPositionTextureColorAlphaTest_frag;
extern CC_DLL const char* ccPositionColor_vert;
extern CC_DLL const char* ccPositionColor_noMVP_vert;
extern CC_DLL const char* ccPositionColor_frag;
extern CC_DLL const char* ccPositionTexture_vert;
extern CC_DLL const char* ccPositionTexture_frag;
extern CC_DLL const char* ccPositionTexture_uColor_vert;
extern CC_DLL const char* ccPositionTexture_uColor_frag;
extern CC_DLL const char* ccPosition_uColor_vert;
extern CC_DLL const char* ccPosition_uColor_frag;

NS_CC_END

#endif  // __CCSHADER_H__
