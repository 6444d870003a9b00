// Value: storage, copying, comparison and the engine's type conversions.
#include "base/CCValue.h"
#include "base/ccSaturatingCast.h"
#include "base/ccUtils.h"

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <iomanip>
#include <locale>
#include <sstream>

NS_CC_BEGIN

const ValueVector ValueVectorNull;
const ValueMap ValueMapNull;
const ValueMapIntKey ValueMapIntKeyNull;
const Value Value::Null;

namespace {

// The engine's utils::atof: numbers are cut 7 digits after the decimal point
// (any exponent there is dropped too) so that parsing agrees across platforms.
double engineAtof(const char* str) {
    if (str == nullptr) {
        return 0.0;
    }
    char buf[257];
    strncpy(buf, str, 256);
    buf[256] = '\0';
    char* dot = strchr(buf, '.');
    if (dot != nullptr && strlen(dot) > 8) {
        dot[8] = '\0';
    }
    return utils::atofClassic(buf);
}

// atoi's digits, with a defined result past the range of int (atoi's is
// undefined): the nearest end of the range.
int stringToInt(const std::string& text) {
    const long v = strtol(text.c_str(), nullptr, 10);
    if (v > INT_MAX)
        return INT_MAX;
    if (v < INT_MIN)
        return INT_MIN;
    return static_cast<int>(v);
}

}  // namespace

// ---- construction ----

Value::Value() : _type(Type::NONE) { memset(&_field, 0, sizeof(_field)); }

Value::Value(unsigned char v) : _type(Type::BYTE) { _field.byteVal = v; }
Value::Value(int v) : _type(Type::INTEGER) { _field.intVal = v; }
Value::Value(unsigned int v) : _type(Type::UNSIGNED) { _field.unsignedVal = v; }
Value::Value(float v) : _type(Type::FLOAT) { _field.floatVal = v; }
Value::Value(double v) : _type(Type::DOUBLE) { _field.doubleVal = v; }
Value::Value(bool v) : _type(Type::BOOLEAN) { _field.boolVal = v; }
Value::Value(const char* v) : _type(Type::STRING) { _field.strVal = new std::string(v ? v : ""); }
Value::Value(const std::string& v) : _type(Type::STRING) { _field.strVal = new std::string(v); }
Value::Value(const ValueVector& v) : _type(Type::VECTOR) { _field.vectorVal = new ValueVector(v); }
Value::Value(ValueVector&& v) : _type(Type::VECTOR) { _field.vectorVal = new ValueVector(std::move(v)); }
Value::Value(const ValueMap& v) : _type(Type::MAP) { _field.mapVal = new ValueMap(v); }
Value::Value(ValueMap&& v) : _type(Type::MAP) { _field.mapVal = new ValueMap(std::move(v)); }
Value::Value(const ValueMapIntKey& v) : _type(Type::INT_KEY_MAP) {
    _field.intKeyMapVal = new ValueMapIntKey(v);
}
Value::Value(ValueMapIntKey&& v) : _type(Type::INT_KEY_MAP) {
    _field.intKeyMapVal = new ValueMapIntKey(std::move(v));
}

Value::Value(const Value& other) : _type(Type::NONE) { *this = other; }

Value::Value(Value&& other) : _type(Type::NONE) { *this = std::move(other); }

Value::~Value() { clear(); }

void Value::clear() {
    switch (_type) {
        case Type::STRING: delete _field.strVal; break;
        case Type::VECTOR: delete _field.vectorVal; break;
        case Type::MAP: delete _field.mapVal; break;
        case Type::INT_KEY_MAP: delete _field.intKeyMapVal; break;
        default: break;
    }
    memset(&_field, 0, sizeof(_field));
    _type = Type::NONE;
}

// Switches to `type`, allocating an empty container or string when needed.
void Value::reset(Type type) {
    if (_type == type) {
        return;
    }
    clear();
    _type = type;
    switch (type) {
        case Type::STRING: _field.strVal = new std::string(); break;
        case Type::VECTOR: _field.vectorVal = new ValueVector(); break;
        case Type::MAP: _field.mapVal = new ValueMap(); break;
        case Type::INT_KEY_MAP: _field.intKeyMapVal = new ValueMapIntKey(); break;
        default: break;
    }
}

// ---- assignment ----

Value& Value::operator=(const Value& other) {
    if (this == &other) {
        return *this;
    }
    reset(other._type);
    switch (other._type) {
        case Type::STRING: *_field.strVal = *other._field.strVal; break;
        case Type::VECTOR: *_field.vectorVal = *other._field.vectorVal; break;
        case Type::MAP: *_field.mapVal = *other._field.mapVal; break;
        case Type::INT_KEY_MAP: *_field.intKeyMapVal = *other._field.intKeyMapVal; break;
        default: _field = other._field; break;
    }
    return *this;
}

Value& Value::operator=(Value&& other) {
    if (this == &other) {
        return *this;
    }
    clear();
    _field = other._field;
    _type = other._type;
    memset(&other._field, 0, sizeof(other._field));
    other._type = Type::NONE;
    return *this;
}

Value& Value::operator=(unsigned char v) { reset(Type::BYTE); _field.byteVal = v; return *this; }
Value& Value::operator=(int v) { reset(Type::INTEGER); _field.intVal = v; return *this; }
Value& Value::operator=(unsigned int v) { reset(Type::UNSIGNED); _field.unsignedVal = v; return *this; }
Value& Value::operator=(float v) { reset(Type::FLOAT); _field.floatVal = v; return *this; }
Value& Value::operator=(double v) { reset(Type::DOUBLE); _field.doubleVal = v; return *this; }
Value& Value::operator=(bool v) { reset(Type::BOOLEAN); _field.boolVal = v; return *this; }
Value& Value::operator=(const char* v) { return *this = std::string(v ? v : ""); }
Value& Value::operator=(const std::string& v) {
    reset(Type::STRING);
    *_field.strVal = v;
    return *this;
}
Value& Value::operator=(const ValueVector& v) {
    reset(Type::VECTOR);
    *_field.vectorVal = v;
    return *this;
}
Value& Value::operator=(ValueVector&& v) {
    reset(Type::VECTOR);
    *_field.vectorVal = std::move(v);
    return *this;
}
Value& Value::operator=(const ValueMap& v) {
    reset(Type::MAP);
    *_field.mapVal = v;
    return *this;
}
Value& Value::operator=(ValueMap&& v) {
    reset(Type::MAP);
    *_field.mapVal = std::move(v);
    return *this;
}
Value& Value::operator=(const ValueMapIntKey& v) {
    reset(Type::INT_KEY_MAP);
    *_field.intKeyMapVal = v;
    return *this;
}
Value& Value::operator=(ValueMapIntKey&& v) {
    reset(Type::INT_KEY_MAP);
    *_field.intKeyMapVal = std::move(v);
    return *this;
}

// ---- comparison ----

bool Value::operator!=(const Value& v) { return !(*this == v); }
bool Value::operator!=(const Value& v) const { return !(*this == v); }
bool Value::operator==(const Value& v) { return static_cast<const Value&>(*this) == v; }

bool Value::operator==(const Value& v) const {
    if (this == &v) {
        return true;
    }
    if (v._type != _type) {
        return false;
    }
    switch (_type) {
        case Type::NONE: return true;
        case Type::BYTE: return _field.byteVal == v._field.byteVal;
        case Type::INTEGER: return _field.intVal == v._field.intVal;
        case Type::UNSIGNED: return _field.unsignedVal == v._field.unsignedVal;
        case Type::BOOLEAN: return _field.boolVal == v._field.boolVal;
        case Type::STRING: return *_field.strVal == *v._field.strVal;
        case Type::FLOAT: return std::fabs(_field.floatVal - v._field.floatVal) <= FLT_EPSILON;
        case Type::DOUBLE: return std::fabs(_field.doubleVal - v._field.doubleVal) <= DBL_EPSILON;
        case Type::VECTOR: return *_field.vectorVal == *v._field.vectorVal;
        case Type::MAP: return *_field.mapVal == *v._field.mapVal;
        case Type::INT_KEY_MAP: return *_field.intKeyMapVal == *v._field.intKeyMapVal;
    }
    return false;
}

// ---- conversions ----

unsigned char Value::asByte() const {
    switch (_type) {
        case Type::BYTE: return _field.byteVal;
        case Type::INTEGER: return static_cast<unsigned char>(_field.intVal);
        case Type::UNSIGNED: return static_cast<unsigned char>(_field.unsignedVal);
        case Type::STRING: return static_cast<unsigned char>(stringToInt(*_field.strVal));
        case Type::FLOAT: return saturatingCast<unsigned char>(_field.floatVal);
        case Type::DOUBLE: return saturatingCast<unsigned char>(_field.doubleVal);
        case Type::BOOLEAN: return _field.boolVal ? 1 : 0;
        default: return 0;
    }
}

int Value::asInt() const {
    switch (_type) {
        case Type::INTEGER: return _field.intVal;
        case Type::UNSIGNED: return static_cast<int>(_field.unsignedVal);
        case Type::BYTE: return _field.byteVal;
        case Type::STRING: return stringToInt(*_field.strVal);
        case Type::FLOAT: return saturatingCast<int>(_field.floatVal);
        case Type::DOUBLE: return saturatingCast<int>(_field.doubleVal);
        case Type::BOOLEAN: return _field.boolVal ? 1 : 0;
        default: return 0;
    }
}

unsigned int Value::asUnsignedInt() const {
    switch (_type) {
        case Type::UNSIGNED: return _field.unsignedVal;
        case Type::INTEGER: return static_cast<unsigned int>(_field.intVal);
        case Type::BYTE: return _field.byteVal;
        case Type::STRING:
            return static_cast<unsigned int>(strtoul(_field.strVal->c_str(), nullptr, 10));
        case Type::FLOAT: return saturatingCast<unsigned int>(_field.floatVal);
        case Type::DOUBLE: return saturatingCast<unsigned int>(_field.doubleVal);
        case Type::BOOLEAN: return _field.boolVal ? 1u : 0u;
        default: return 0u;
    }
}

float Value::asFloat() const {
    switch (_type) {
        case Type::FLOAT: return _field.floatVal;
        case Type::BYTE: return static_cast<float>(_field.byteVal);
        case Type::STRING: return static_cast<float>(engineAtof(_field.strVal->c_str()));
        case Type::INTEGER: return static_cast<float>(_field.intVal);
        case Type::UNSIGNED: return static_cast<float>(_field.unsignedVal);
        case Type::DOUBLE: return static_cast<float>(_field.doubleVal);
        case Type::BOOLEAN: return _field.boolVal ? 1.0f : 0.0f;
        default: return 0.0f;
    }
}

double Value::asDouble() const {
    switch (_type) {
        case Type::DOUBLE: return _field.doubleVal;
        case Type::BYTE: return static_cast<double>(_field.byteVal);
        case Type::STRING: return engineAtof(_field.strVal->c_str());
        case Type::INTEGER: return static_cast<double>(_field.intVal);
        case Type::UNSIGNED: return static_cast<double>(_field.unsignedVal);
        case Type::FLOAT: return static_cast<double>(_field.floatVal);
        case Type::BOOLEAN: return _field.boolVal ? 1.0 : 0.0;
        default: return 0.0;
    }
}

bool Value::asBool() const {
    switch (_type) {
        case Type::BOOLEAN: return _field.boolVal;
        case Type::BYTE: return _field.byteVal != 0;
        case Type::STRING: return !(*_field.strVal == "0" || *_field.strVal == "false");
        case Type::INTEGER: return _field.intVal != 0;
        case Type::UNSIGNED: return _field.unsignedVal != 0;
        case Type::FLOAT: return _field.floatVal != 0.0f;
        case Type::DOUBLE: return _field.doubleVal != 0.0;
        default: return false;
    }
}

std::string Value::asString() const {
    if (_type == Type::STRING) {
        return *_field.strVal;
    }
    std::stringstream ret;
    // Numbers as text the same in every locale the program may set.
    ret.imbue(std::locale::classic());
    switch (_type) {
        case Type::BYTE: ret << _field.byteVal; break;
        case Type::INTEGER: ret << _field.intVal; break;
        case Type::UNSIGNED: ret << _field.unsignedVal; break;
        case Type::FLOAT: ret << std::fixed << std::setprecision(7) << _field.floatVal; break;
        case Type::DOUBLE: ret << std::fixed << std::setprecision(16) << _field.doubleVal; break;
        case Type::BOOLEAN: ret << (_field.boolVal ? "true" : "false"); break;
        default: break;
    }
    return ret.str();
}

// The scratch containers are handed out only for a value of the wrong type;
// they are emptied each time so that a caller's earlier writes do not leak.
ValueVector& Value::asValueVector() {
    if (_type == Type::VECTOR) {
        return *_field.vectorVal;
    }
    static thread_local ValueVector scratch;
    scratch.clear();
    return scratch;
}

const ValueVector& Value::asValueVector() const {
    return _type == Type::VECTOR ? *_field.vectorVal : ValueVectorNull;
}

ValueMap& Value::asValueMap() {
    if (_type == Type::MAP) {
        return *_field.mapVal;
    }
    static thread_local ValueMap scratch;
    scratch.clear();
    return scratch;
}

const ValueMap& Value::asValueMap() const { return _type == Type::MAP ? *_field.mapVal : ValueMapNull; }

ValueMapIntKey& Value::asIntKeyMap() {
    if (_type == Type::INT_KEY_MAP) {
        return *_field.intKeyMapVal;
    }
    static thread_local ValueMapIntKey scratch;
    scratch.clear();
    return scratch;
}

const ValueMapIntKey& Value::asIntKeyMap() const {
    return _type == Type::INT_KEY_MAP ? *_field.intKeyMapVal : ValueMapIntKeyNull;
}

// ---- description ----

namespace {

void describe(const Value& v, int depth, std::string& out);

std::string indent(int depth) { return std::string(static_cast<size_t>(depth) * 4, ' '); }

void describe(const Value& v, int depth, std::string& out) {
    switch (v.getType()) {
        case Value::Type::NONE: out += "<null>\n"; break;
        case Value::Type::VECTOR:
            out += "[\n";
            for (const Value& item : v.asValueVector()) {
                out += indent(depth + 1);
                describe(item, depth + 1, out);
            }
            out += indent(depth) + "]\n";
            break;
        case Value::Type::MAP:
            out += "{\n";
            for (const auto& item : v.asValueMap()) {
                out += indent(depth + 1) + item.first + ": ";
                describe(item.second, depth + 1, out);
            }
            out += indent(depth) + "}\n";
            break;
        case Value::Type::INT_KEY_MAP:
            out += "{\n";
            for (const auto& item : v.asIntKeyMap()) {
                out += indent(depth + 1) + std::to_string(item.first) + ": ";
                describe(item.second, depth + 1, out);
            }
            out += indent(depth) + "}\n";
            break;
        default: out += v.asString() + "\n"; break;
    }
}

}  // namespace

std::string Value::getDescription() const {
    std::string out = "\n";
    describe(*this, 0, out);
    return out;
}

NS_CC_END
