// Sources of the engine's default shaders.
#include "renderer/ccShaders.h"

NS_CC_BEGIN

const char* ccPositionTextureColor_vert = R"(
attribute vec4 a_position;
attribute vec2 a_texCoord;
attribute vec4 a_color;
varying vec4 v_fragmentColor;
varying vec2 v_texCoord;
void main() {
    gl_Position = CC_MVPMatrix * a_position;
    v_fragmentColor = a_color;
    v_texCoord = a_texCoord;
}
)";

const char* ccPositionTextureColor_frag = R"(
varying vec4 v_fragmentColor;
varying vec2 v_texCoord;
void main() {
    gl_FragColor = v_fragmentColor * texture2D(CC_Texture0, v_texCoord);
}
)";

const char* ccPositionTextureColor_noMVP_vert = R"(
attribute vec4 a_position;
attribute vec2 a_texCoord;
attribute vec4 a_color;
varying vec4 v_fragmentColor;
varying vec2 v_texCoord;
void main() {
    gl_Position = CC_PMatrix * a_position;
    v_fragmentColor = a_color;
    v_texCoord = a_texCoord;
}
)";

// Same as ccPositionTextureColor_frag.
const char* ccPositionTextureColor_noMVP_frag = ccPositionTextureColor_frag;

const char* ccPositionTextureColorAlphaTest_frag = R"(
varying vec4 v_fragmentColor;
varying vec2 v_texCoord;
uniform float CC_alpha_value;
void main() {
    vec4 texColor = texture2D(CC_Texture0, v_texCoord);
    if (texColor.a <= CC_alpha_value) discard;
    gl_FragColor = texColor * v_fragmentColor;
}
)";

const char* ccPositionColor_vert = R"(
attribute vec4 a_position;
attribute vec4 a_color;
varying vec4 v_fragmentColor;
void main() {
    gl_Position = CC_MVPMatrix * a_position;
    v_fragmentColor = a_color;
}
)";

const char* ccPositionColor_noMVP_vert = R"(
attribute vec4 a_position;
attribute vec4 a_color;
varying vec4 v_fragmentColor;
void main() {
    gl_Position = CC_PMatrix * a_position;
    v_fragmentColor = a_color;
}
)";

const char* ccPositionColor_frag = R"(
varying vec4 v_fragmentColor;
void main() {
    gl_FragColor = v_fragmentColor;
}
)";

const char* ccPositionTexture_vert = R"(
attribute vec4 a_position;
attribute vec2 a_texCoord;
varying vec2 v_texCoord;
void main() {
    gl_Position = CC_MVPMatrix * a_position;
    v_texCoord = a_texCoord;
}
)";

const char* ccPositionTexture_frag = R"(
varying vec2 v_texCoord;
void main() {
    gl_FragColor = texture2D(CC_Texture0, v_texCoord);
}
)";

// Same as ccPositionTexture_vert.
const char* ccPositionTexture_uColor_vert = ccPositionTexture_vert;

const char* ccPositionTexture_uColor_frag = R"(
uniform vec4 u_color;
varying vec2 v_texCoord;
void main() {
    gl_FragColor = texture2D(CC_Texture0, v_texCoord) * u_color;
}
)";

const char* ccPosition_uColor_vert = R"(
attribute vec4 a_position;
uniform vec4 u_color;
uniform float u_pointSize;
varying vec4 v_fragmentColor;
void main() {
    gl_Position = CC_MVPMatrix * a_position;
    gl_PointSize = u_pointSize;
    v_fragmentColor = u_color;
}
)";

const char* ccPosition_uColor_frag = R"(
varying vec4 v_fragmentColor;
void main() {
    gl_FragColor = v_fragmentColor;
}
)";

NS_CC_END
