// PlistParser: walks a tinyxml2 document and builds Value trees from it.
#include "platform/CCPlistParser.h"
#include "base/ccUtils.h"

#include <tinyxml2.h>

#include <cstdlib>
#include <cstring>
#include <string>

NS_CC_BEGIN

namespace {

using tinyxml2::XMLElement;
using tinyxml2::XMLNode;

// All the text directly inside an element (chunks split by comments or CDATA
// sections are joined).
std::string textOf(const XMLElement* element) {
    std::string text;
    for (const XMLNode* child = element->FirstChild(); child; child = child->NextSibling()) {
        if (child->ToText() != nullptr && child->Value() != nullptr) {
            text += child->Value();
        }
    }
    return text;
}

class Builder {
public:
    bool failed() const { return _failed; }

    void fillMap(const XMLElement* dict, ValueMap& out, int depth) {
        if (!enter(depth)) {
            return;
        }
        for (const XMLElement* e = dict->FirstChildElement(); e && !_failed; e = e->NextSiblingElement()) {
            if (strcmp(e->Name(), "key") == 0) {
                _key = textOf(e);
                continue;
            }
            // A nested container is stored under the key seen before it,
            // although its own keys replace the current key meanwhile.
            const std::string key = _key;
            Value value;
            if (makeValue(e, value, depth)) {
                out[key] = std::move(value);
            }
        }
    }

    void fillVector(const XMLElement* array, ValueVector& out, int depth) {
        if (!enter(depth)) {
            return;
        }
        for (const XMLElement* e = array->FirstChildElement(); e && !_failed; e = e->NextSiblingElement()) {
            if (strcmp(e->Name(), "key") == 0) {
                _key = textOf(e);
                continue;
            }
            Value value;
            if (makeValue(e, value, depth)) {
                out.push_back(std::move(value));
            }
        }
    }

private:
    bool enter(int depth) {
        if (depth > PlistParser::kMaxDepth) {
            _failed = true;
        }
        return !_failed;
    }

    // False for elements that carry no value (date, data, unknown names).
    bool makeValue(const XMLElement* e, Value& value, int depth) {
        const char* name = e->Name();
        if (strcmp(name, "dict") == 0) {
            ValueMap map;
            fillMap(e, map, depth + 1);
            value = std::move(map);
        } else if (strcmp(name, "array") == 0) {
            ValueVector vector;
            fillVector(e, vector, depth + 1);
            value = std::move(vector);
        } else if (strcmp(name, "string") == 0) {
            value = textOf(e);
        } else if (strcmp(name, "integer") == 0) {
            value = atoi(textOf(e).c_str());
        } else if (strcmp(name, "real") == 0) {
            value = utils::atofClassic(textOf(e).c_str());
        } else if (strcmp(name, "true") == 0) {
            value = true;
        } else if (strcmp(name, "false") == 0) {
            value = false;
        } else {
            return false;
        }
        return true;
    }

    std::string _key;
    bool _failed = false;
};

// First element called `name`, depth first in document order, not looking
// deeper than the nesting limit.
const XMLElement* findFirst(const XMLNode* from, const char* name, int depth) {
    if (depth > PlistParser::kMaxDepth) {
        return nullptr;
    }
    for (const XMLElement* e = from->FirstChildElement(); e; e = e->NextSiblingElement()) {
        if (strcmp(e->Name(), name) == 0) {
            return e;
        }
        if (const XMLElement* inner = findFirst(e, name, depth + 1)) {
            return inner;
        }
    }
    return nullptr;
}

bool load(tinyxml2::XMLDocument& doc, const char* xml, size_t length) {
    return xml != nullptr && length > 0 && doc.Parse(xml, length) == tinyxml2::XML_SUCCESS;
}

}  // namespace

ValueMap PlistParser::parseMap(const char* xml, size_t length) {
    tinyxml2::XMLDocument doc;
    if (!load(doc, xml, length)) {
        return ValueMap();
    }
    const XMLElement* dict = findFirst(&doc, "dict", 0);
    if (dict == nullptr) {
        return ValueMap();
    }
    Builder builder;
    ValueMap result;
    builder.fillMap(dict, result, 0);
    return builder.failed() ? ValueMap() : result;
}

ValueVector PlistParser::parseVector(const char* xml, size_t length) {
    tinyxml2::XMLDocument doc;
    if (!load(doc, xml, length)) {
        return ValueVector();
    }
    const XMLElement* array = findFirst(&doc, "array", 0);
    if (array == nullptr) {
        return ValueVector();
    }
    Builder builder;
    ValueVector result;
    builder.fillVector(array, result, 0);
    return builder.failed() ? ValueVector() : result;
}

NS_CC_END
