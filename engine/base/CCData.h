// A block of bytes owned by the engine (file contents, decoded buffers).
#ifndef __CCDATA_H__
#define __CCDATA_H__

#include <sys/types.h>

#include <cstddef>

#include "platform/CCPlatformMacros.h"

NS_CC_BEGIN

// Owns a malloc'ed buffer; copies are deep, moves hand the buffer over.
class CC_DLL Data {
public:
    static const Data Null;

    Data();
    Data(const Data& other);
    Data(Data&& other);
    ~Data();

    Data& operator=(const Data& other);
    Data& operator=(Data&& other);

    unsigned char* getBytes() const;
    ssize_t getSize() const;

    // Copies `size` bytes; a null pointer or a size <= 0 leaves the data empty.
    void copy(const unsigned char* bytes, const ssize_t size);
    // Takes ownership of a malloc'ed buffer without copying it.
    void fastSet(unsigned char* bytes, const ssize_t size);
    void clear();
    bool isNull() const;
    // Hands the buffer to the caller (who frees it) and leaves the data empty.
    unsigned char* takeBuffer(ssize_t* size);

private:
    void move(Data& other);

    unsigned char* _bytes;
    ssize_t _size;
};

NS_CC_END

#endif  // __CCDATA_H__
