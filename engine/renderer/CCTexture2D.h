// A 2D OpenGL texture made from a decoded image or raw pixels.
#ifndef __CCTEXTURE2D_H__
#define __CCTEXTURE2D_H__

#include <sys/types.h>

#include <map>
#include <string>
#include <vector>

#include "base/CCRef.h"
#include "math/CCGeometry.h"
#include "platform/CCGL.h"

NS_CC_BEGIN

class Image;

// The pixels are kept until a GL context (with GLEW initialised) is current:
// a texture made without one uploads itself on the first getName() that
// finds a context, so images can be loaded before the view exists.
class CC_DLL Texture2D : public Ref {
public:
    enum class PixelFormat {
        AUTO,
        BGRA8888,
        RGBA8888,
        RGB888,
        RGB565,
        A8,
        I8,
        AI88,
        RGBA4444,
        RGB5A1,
        PVRTC4,
        PVRTC4A,
        PVRTC2,
        PVRTC2A,
        ETC,
        S3TC_DXT1,
        S3TC_DXT3,
        S3TC_DXT5,
        ATC_RGB,
        ATC_EXPLICIT_ALPHA,
        ATC_INTERPOLATED_ALPHA,
        DEFAULT = AUTO,
        NONE = -1
    };

    struct PixelFormatInfo {
        PixelFormatInfo(GLenum anInternalFormat, GLenum aFormat, GLenum aType, int aBpp, bool aCompressed, bool anAlpha)
            : internalFormat(anInternalFormat),
              format(aFormat),
              type(aType),
              bpp(aBpp),
              compressed(aCompressed),
              alpha(anAlpha) {}
        GLenum internalFormat;
        GLenum format;
        GLenum type;
        int bpp;
        bool compressed;
        bool alpha;
    };

    typedef std::map<Texture2D::PixelFormat, const PixelFormatInfo> PixelFormatInfoMap;

    typedef struct _TexParams {
        GLuint minFilter;
        GLuint magFilter;
        GLuint wrapS;
        GLuint wrapT;
    } TexParams;

    // Format that images with alpha are converted to (RGBA8888 by default).
    static void setDefaultAlphaPixelFormat(Texture2D::PixelFormat format);
    static Texture2D::PixelFormat getDefaultAlphaPixelFormat();
    static const PixelFormatInfoMap& getPixelFormatInfoMap();

    Texture2D();
    virtual ~Texture2D();

    virtual std::string getDescription() const;
    void releaseGLTexture();

    // Uncompressed formats only; false for bad sizes or a short buffer.
    bool initWithData(const void* data, ssize_t dataLen, Texture2D::PixelFormat pixelFormat, int pixelsWide,
                      int pixelsHigh, const Size& contentSize);
    bool initWithImage(Image* image);
    bool initWithImage(Image* image, PixelFormat format);

    void setTexParameters(const TexParams& texParams);
    void setAntiAliasTexParameters();
    void setAliasTexParameters();
    void generateMipmap();

    const char* getStringForFormat() const;
    unsigned int getBitsPerPixelForFormat() const;
    unsigned int getBitsPerPixelForFormat(Texture2D::PixelFormat format) const;

    const Size& getContentSizeInPixels();
    bool hasPremultipliedAlpha() const;
    // True when every texel is fully opaque: a format without alpha, or RGBA
    // data whose alpha bytes are all 255 (checked once at creation).
    bool isOpaque() const { return _opaque; }
    bool hasMipmaps() const;
    Texture2D::PixelFormat getPixelFormat() const;
    int getPixelsWide() const;
    int getPixelsHigh() const;
    // The GL texture object; uploads pending pixels first when a context is
    // current. 0 while there is none.
    GLuint getName() const;
    GLfloat getMaxS() const;
    void setMaxS(GLfloat maxS);
    GLfloat getMaxT() const;
    void setMaxT(GLfloat maxT);
    Size getContentSize() const;
    std::string getPath() const { return _filePath; }
    void setPath(const std::string& path) { _filePath = path; }

    // True when a GL context is current and GLEW has resolved its functions.
    static bool isGLReady();

private:
    bool uploadPending() const;
    void applyTexParameters() const;

    PixelFormat _pixelFormat;
    int _pixelsWide;
    int _pixelsHigh;
    mutable GLuint _name;
    GLfloat _maxS;
    GLfloat _maxT;
    Size _contentSize;
    bool _hasPremultipliedAlpha;
    bool _opaque = false;
    bool _hasMipmaps;
    mutable bool _mipmapRequested;
    TexParams _texParams;
    mutable std::vector<unsigned char> _pendingPixels;
    std::string _filePath;
};

NS_CC_END

#endif // __CCTEXTURE2D_H__
