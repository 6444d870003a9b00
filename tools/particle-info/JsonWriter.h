// Minimal streaming writer for one flat JSON object (strings escaped, numbers finite).
#ifndef PARTICLE_INFO_JSON_WRITER_H
#define PARTICLE_INFO_JSON_WRITER_H

#include <string>

class JsonWriter {
public:
    JsonWriter();

    void addNumber(const std::string& key, double value);
    void addInt(const std::string& key, long long value);
    void addBool(const std::string& key, bool value);
    void addString(const std::string& key, const std::string& value);
    void addNull(const std::string& key);
    // Adds a member whose value is already valid JSON text.
    void addRaw(const std::string& key, const std::string& json);

    // The finished object text, with a closing brace and a newline.
    std::string finish() const;

    // JSON string literal (with quotes) for arbitrary bytes: control
    // characters are escaped and invalid UTF-8 becomes U+FFFD.
    static std::string quote(const std::string& text);
    // JSON number text; non-finite values become null.
    static std::string number(double value);

private:
    void key(const std::string& name);

    std::string _text;
    bool _first = true;
};

#endif  // PARTICLE_INFO_JSON_WRITER_H
