// The inputs of a run of draws gathered as bytes, so that two frames can tell whether they would give the same pixels.
#ifndef __CC_RENDER_FINGERPRINT_H__
#define __CC_RENDER_FINGERPRINT_H__

#include <cstddef>
#include <type_traits>
#include <vector>

#include "platform/CCPlatformMacros.h"

NS_CC_BEGIN

// Bytes are compared as they are, not hashed: equal fingerprints mean equal
// inputs, never a collision. Values are added field by field, so that no
// padding byte takes part.
class CC_DLL RenderFingerprint {
public:
    void add(const void* data, size_t size) {
        const auto* bytes = static_cast<const unsigned char*>(data);
        _bytes.insert(_bytes.end(), bytes, bytes + size);
    }
    template <class T>
    void add(const T& value) {
        static_assert(std::is_trivially_copyable<T>::value, "only plain values have a byte image");
        add(&value, sizeof value);
    }
    void clear() { _bytes.clear(); }
    bool empty() const { return _bytes.empty(); }
    void swap(RenderFingerprint& other) { _bytes.swap(other._bytes); }
    bool operator==(const RenderFingerprint& other) const { return _bytes == other._bytes; }
    bool operator!=(const RenderFingerprint& other) const { return !(*this == other); }

private:
    std::vector<unsigned char> _bytes;
};

NS_CC_END

#endif // __CC_RENDER_FINGERPRINT_H__
