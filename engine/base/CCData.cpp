// Byte buffer with malloc ownership, as file readers and decoders hand it out.
#include "base/CCData.h"

#include <cstdlib>
#include <cstring>

NS_CC_BEGIN

const Data Data::Null;

Data::Data() : _bytes(nullptr), _size(0) {}

Data::Data(const Data& other) : _bytes(nullptr), _size(0) { copy(other._bytes, other._size); }

Data::Data(Data&& other) : _bytes(nullptr), _size(0) { move(other); }

Data::~Data() { clear(); }

Data& Data::operator=(const Data& other) {
    if (this != &other) {
        copy(other._bytes, other._size);
    }
    return *this;
}

Data& Data::operator=(Data&& other) {
    if (this != &other) {
        move(other);
    }
    return *this;
}

void Data::move(Data& other) {
    clear();
    _bytes = other._bytes;
    _size = other._size;
    other._bytes = nullptr;
    other._size = 0;
}

unsigned char* Data::getBytes() const { return _bytes; }

ssize_t Data::getSize() const { return _size; }

void Data::copy(const unsigned char* bytes, const ssize_t size) {
    // Copy first: `bytes` may point into our own buffer.
    unsigned char* fresh = nullptr;
    if (bytes != nullptr && size > 0) {
        fresh = static_cast<unsigned char*>(malloc(static_cast<size_t>(size)));
        if (fresh != nullptr) {
            memcpy(fresh, bytes, static_cast<size_t>(size));
        }
    }
    clear();
    if (fresh != nullptr) {
        _bytes = fresh;
        _size = size;
    }
}

void Data::fastSet(unsigned char* bytes, const ssize_t size) {
    if (bytes == _bytes) {
        _size = bytes ? size : 0;
        return;
    }
    clear();
    _bytes = bytes;
    _size = bytes ? size : 0;
}

void Data::clear() {
    free(_bytes);
    _bytes = nullptr;
    _size = 0;
}

bool Data::isNull() const { return _bytes == nullptr || _size == 0; }

unsigned char* Data::takeBuffer(ssize_t* size) {
    unsigned char* buffer = _bytes;
    if (size != nullptr) {
        *size = _size;
    }
    _bytes = nullptr;
    _size = 0;
    return buffer;
}

NS_CC_END
