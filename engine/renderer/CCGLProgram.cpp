// GLSL programs: lazy compilation, attribute binding, built-in uniforms.
#include "renderer/CCGLProgram.h"

#include <vector>

#include "base/CCConsole.h"
#include "base/CCDirector.h"
#include "base/ccMacros.h"
#include "renderer/ccGLStateCache.h"

NS_CC_BEGIN

const char* GLProgram::SHADER_NAME_POSITION_TEXTURE_COLOR = "ShaderPositionTextureColor";
const char* GLProgram::SHADER_NAME_POSITION_TEXTURE_COLOR_NO_MVP = "ShaderPositionTextureColor_noMVP";
const char* GLProgram::SHADER_NAME_POSITION_TEXTURE_ALPHA_TEST = "ShaderPositionTextureColorAlphaTest";
const char* GLProgram::SHADER_NAME_POSITION_TEXTURE_ALPHA_TEST_NO_MV = "ShaderPositionTextureColorAlphaTest_NoMV";
const char* GLProgram::SHADER_NAME_POSITION_COLOR = "ShaderPositionColor";
const char* GLProgram::SHADER_NAME_POSITION_COLOR_NO_MVP = "ShaderPositionColor_noMVP";
const char* GLProgram::SHADER_NAME_POSITION_TEXTURE = "ShaderPositionTexture";
const char* GLProgram::SHADER_NAME_POSITION_TEXTURE_U_COLOR = "ShaderPositionTexture_uColor";
const char* GLProgram::SHADER_NAME_POSITION_U_COLOR = "ShaderPosition_uColor";

const char* GLProgram::UNIFORM_NAME_P_MATRIX = "CC_PMatrix";
const char* GLProgram::UNIFORM_NAME_MV_MATRIX = "CC_MVMatrix";
const char* GLProgram::UNIFORM_NAME_MVP_MATRIX = "CC_MVPMatrix";
const char* GLProgram::UNIFORM_NAME_NORMAL_MATRIX = "CC_NormalMatrix";
const char* GLProgram::UNIFORM_NAME_TIME = "CC_Time";
const char* GLProgram::UNIFORM_NAME_SIN_TIME = "CC_SinTime";
const char* GLProgram::UNIFORM_NAME_COS_TIME = "CC_CosTime";
const char* GLProgram::UNIFORM_NAME_RANDOM01 = "CC_Random01";
const char* GLProgram::UNIFORM_NAME_SAMPLER0 = "CC_Texture0";
const char* GLProgram::UNIFORM_NAME_SAMPLER1 = "CC_Texture1";
const char* GLProgram::UNIFORM_NAME_SAMPLER2 = "CC_Texture2";
const char* GLProgram::UNIFORM_NAME_SAMPLER3 = "CC_Texture3";
const char* GLProgram::UNIFORM_NAME_ALPHA_TEST_VALUE = "CC_alpha_value";

const char* GLProgram::ATTRIBUTE_NAME_COLOR = "a_color";
const char* GLProgram::ATTRIBUTE_NAME_POSITION = "a_position";
const char* GLProgram::ATTRIBUTE_NAME_TEX_COORD = "a_texCoord";
const char* GLProgram::ATTRIBUTE_NAME_TEX_COORD1 = "a_texCoord1";
const char* GLProgram::ATTRIBUTE_NAME_NORMAL = "a_normal";

static const char* kBuiltinHeader =
    "#version 120\n"
    "uniform mat4 CC_PMatrix;\n"
    "uniform mat4 CC_MVMatrix;\n"
    "uniform mat4 CC_MVPMatrix;\n"
    "uniform mat3 CC_NormalMatrix;\n"
    "uniform vec4 CC_Time;\n"
    "uniform vec4 CC_SinTime;\n"
    "uniform vec4 CC_CosTime;\n"
    "uniform vec4 CC_Random01;\n"
    "uniform sampler2D CC_Texture0;\n"
    "uniform sampler2D CC_Texture1;\n"
    "uniform sampler2D CC_Texture2;\n"
    "uniform sampler2D CC_Texture3;\n"
    "//CC INCLUDES END\n\n";

static bool glReady() {
    return glCreateProgram != nullptr && glGetString(GL_VERSION) != nullptr;
}

GLProgram::GLProgram() : _program(0), _linked(false), _linkFailed(false) {
    for (auto& u : _builtInUniforms) u = -1;
}

GLProgram::~GLProgram() {
    if (_program && glReady()) {
        GL::deleteProgram(_program);
    }
}

GLProgram* GLProgram::createWithByteArrays(const GLchar* vShaderByteArray, const GLchar* fShaderByteArray) {
    auto ret = new (std::nothrow) GLProgram();
    if (ret && ret->initWithByteArrays(vShaderByteArray, fShaderByteArray)) {
        ret->link();
        ret->updateUniforms();
        ret->autorelease();
        return ret;
    }
    delete ret;
    return nullptr;
}

bool GLProgram::initWithByteArrays(const GLchar* vShaderByteArray, const GLchar* fShaderByteArray) {
    if (vShaderByteArray == nullptr || fShaderByteArray == nullptr) return false;
    _vertSource = std::string(kBuiltinHeader) + vShaderByteArray;
    _fragSource = std::string(kBuiltinHeader) + fShaderByteArray;
    return true;
}

bool GLProgram::compileShader(GLuint* shader, GLenum type, const std::string& source) const {
    *shader = glCreateShader(type);
    const GLchar* sources[] = {source.c_str()};
    glShaderSource(*shader, 1, sources, nullptr);
    glCompileShader(*shader);
    GLint status = 0;
    glGetShaderiv(*shader, GL_COMPILE_STATUS, &status);
    if (!status) {
        GLint len = 0;
        glGetShaderiv(*shader, GL_INFO_LOG_LENGTH, &len);
        std::vector<char> logText(static_cast<size_t>(len > 0 ? len : 1) + 1, 0);
        glGetShaderInfoLog(*shader, len, nullptr, logText.data());
        log("cocos2d: ERROR: Failed to compile shader:\n%s\n%s", source.c_str(), logText.data());
        glDeleteShader(*shader);
        *shader = 0;
        return false;
    }
    return true;
}

bool GLProgram::ensureLinked() const {
    if (_linked) return true;
    if (_linkFailed || !glReady() || _vertSource.empty()) return false;

    GLuint vert = 0, frag = 0;
    if (!compileShader(&vert, GL_VERTEX_SHADER, _vertSource) ||
        !compileShader(&frag, GL_FRAGMENT_SHADER, _fragSource)) {
        if (vert) glDeleteShader(vert);
        _linkFailed = true;
        return false;
    }
    _program = glCreateProgram();
    glAttachShader(_program, vert);
    glAttachShader(_program, frag);

    // Fixed locations: the renderer's vertex layout relies on them.
    glBindAttribLocation(_program, VERTEX_ATTRIB_POSITION, ATTRIBUTE_NAME_POSITION);
    glBindAttribLocation(_program, VERTEX_ATTRIB_COLOR, ATTRIBUTE_NAME_COLOR);
    glBindAttribLocation(_program, VERTEX_ATTRIB_TEX_COORD, ATTRIBUTE_NAME_TEX_COORD);
    glBindAttribLocation(_program, VERTEX_ATTRIB_TEX_COORD1, ATTRIBUTE_NAME_TEX_COORD1);
    glBindAttribLocation(_program, VERTEX_ATTRIB_NORMAL, ATTRIBUTE_NAME_NORMAL);

    glLinkProgram(_program);
    glDeleteShader(vert);
    glDeleteShader(frag);

    GLint status = GL_TRUE;
    glGetProgramiv(_program, GL_LINK_STATUS, &status);
    if (status == GL_FALSE) {
        log("cocos2d: ERROR: Failed to link program: %u", _program);
        GL::deleteProgram(_program);
        _program = 0;
        _linkFailed = true;
        return false;
    }
    _linked = true;

    _builtInUniforms[UNIFORM_P_MATRIX] = glGetUniformLocation(_program, UNIFORM_NAME_P_MATRIX);
    _builtInUniforms[UNIFORM_MV_MATRIX] = glGetUniformLocation(_program, UNIFORM_NAME_MV_MATRIX);
    _builtInUniforms[UNIFORM_MVP_MATRIX] = glGetUniformLocation(_program, UNIFORM_NAME_MVP_MATRIX);
    _builtInUniforms[UNIFORM_NORMAL_MATRIX] = glGetUniformLocation(_program, UNIFORM_NAME_NORMAL_MATRIX);
    _builtInUniforms[UNIFORM_TIME] = glGetUniformLocation(_program, UNIFORM_NAME_TIME);
    _builtInUniforms[UNIFORM_SIN_TIME] = glGetUniformLocation(_program, UNIFORM_NAME_SIN_TIME);
    _builtInUniforms[UNIFORM_COS_TIME] = glGetUniformLocation(_program, UNIFORM_NAME_COS_TIME);
    _builtInUniforms[UNIFORM_RANDOM01] = glGetUniformLocation(_program, UNIFORM_NAME_RANDOM01);
    _builtInUniforms[UNIFORM_SAMPLER0] = glGetUniformLocation(_program, UNIFORM_NAME_SAMPLER0);
    _builtInUniforms[UNIFORM_SAMPLER1] = glGetUniformLocation(_program, UNIFORM_NAME_SAMPLER1);
    _builtInUniforms[UNIFORM_SAMPLER2] = glGetUniformLocation(_program, UNIFORM_NAME_SAMPLER2);
    _builtInUniforms[UNIFORM_SAMPLER3] = glGetUniformLocation(_program, UNIFORM_NAME_SAMPLER3);

    // Samplers are bound to units 0..3 once.
    GL::useProgram(_program);
    for (int i = 0; i < 4; ++i) {
        GLint loc = _builtInUniforms[UNIFORM_SAMPLER0 + i];
        if (loc != -1) glUniform1i(loc, i);
    }
    return true;
}

bool GLProgram::link() {
    return ensureLinked();
}

void GLProgram::updateUniforms() {
    ensureLinked();
}

void GLProgram::use() {
    if (ensureLinked()) GL::useProgram(_program);
}

GLuint GLProgram::getProgram() const {
    ensureLinked();
    return _program;
}

void GLProgram::bindAttribLocation(const std::string& attributeName, GLuint index) const {
    if (ensureLinked()) glBindAttribLocation(_program, index, attributeName.c_str());
}

GLint GLProgram::getAttribLocation(const std::string& attributeName) const {
    if (!ensureLinked()) return -1;
    return glGetAttribLocation(_program, attributeName.c_str());
}

GLint GLProgram::getUniformLocation(const std::string& attributeName) const {
    if (!ensureLinked()) return -1;
    return glGetUniformLocation(_program, attributeName.c_str());
}

void GLProgram::setUniformLocationWith1i(GLint location, GLint i1) {
    if (location >= 0) glUniform1i(location, i1);
}

void GLProgram::setUniformLocationWith1f(GLint location, GLfloat f1) {
    if (location >= 0) glUniform1f(location, f1);
}

void GLProgram::setUniformLocationWith2f(GLint location, GLfloat f1, GLfloat f2) {
    if (location >= 0) glUniform2f(location, f1, f2);
}

void GLProgram::setUniformLocationWith4f(GLint location, GLfloat f1, GLfloat f2, GLfloat f3, GLfloat f4) {
    if (location >= 0) glUniform4f(location, f1, f2, f3, f4);
}

void GLProgram::setUniformLocationWith4fv(GLint location, const GLfloat* floats, unsigned int numberOfArrays) {
    if (location >= 0) glUniform4fv(location, (GLsizei)numberOfArrays, floats);
}

void GLProgram::setUniformLocationWithMatrix4fv(GLint location, const GLfloat* matrixArray,
                                                unsigned int numberOfMatrices) {
    if (location >= 0) glUniformMatrix4fv(location, (GLsizei)numberOfMatrices, GL_FALSE, matrixArray);
}

void GLProgram::setUniformsForBuiltins() {
    setUniformsForBuiltins(Director::getInstance()->getMatrix(MATRIX_STACK_TYPE::MATRIX_STACK_MODELVIEW));
}

void GLProgram::setUniformsForBuiltins(const Mat4& matrixMV) {
    if (!ensureLinked()) return;
    const auto& matrixP = Director::getInstance()->getMatrix(MATRIX_STACK_TYPE::MATRIX_STACK_PROJECTION);
    setUniformLocationWithMatrix4fv(_builtInUniforms[UNIFORM_P_MATRIX], matrixP.m, 1);
    setUniformLocationWithMatrix4fv(_builtInUniforms[UNIFORM_MV_MATRIX], matrixMV.m, 1);
    if (_builtInUniforms[UNIFORM_MVP_MATRIX] != -1) {
        Mat4 matrixMVP = matrixP * matrixMV;
        setUniformLocationWithMatrix4fv(_builtInUniforms[UNIFORM_MVP_MATRIX], matrixMVP.m, 1);
    }
    if (_builtInUniforms[UNIFORM_RANDOM01] != -1) {
        setUniformLocationWith4f(_builtInUniforms[UNIFORM_RANDOM01], CCRANDOM_0_1(), CCRANDOM_0_1(),
                                 CCRANDOM_0_1(), CCRANDOM_0_1());
    }
}

void GLProgram::reset() {
    if (_program && glReady()) GL::deleteProgram(_program);
    _program = 0;
    _linked = false;
    _linkFailed = false;
    for (auto& u : _builtInUniforms) u = -1;
}

NS_CC_END
