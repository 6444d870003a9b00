// Sprite sheet layout, its PNG through the engine's image writer and its JSON frame list through jsoncpp.
#include "SpriteSheet.h"

#include <json/json.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "platform/CCFileReplace.h"
#include "platform/CCImage.h"

namespace {

const long long kMaxSheetSide = 16384;

std::string baseName(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

SpriteSheet::SpriteSheet(int count, int width, int height) : m_count(count), m_width(width), m_height(height) {
    m_columns = std::max(1, static_cast<int>(std::ceil(std::sqrt(static_cast<double>(count)))));
    m_rows = (count + m_columns - 1) / m_columns;
    if (fits()) m_pixels.assign(static_cast<size_t>(m_columns) * width * static_cast<size_t>(m_rows) * height * 4, 0);
    m_times.assign(static_cast<size_t>(count), 0.0);
}

bool SpriteSheet::fits() const {
    return static_cast<long long>(m_columns) * m_width <= kMaxSheetSide &&
           static_cast<long long>(m_rows) * m_height <= kMaxSheetSide;
}

std::string SpriteSheet::jsonPathFor(const std::string& pngPath) {
    return pngPath.substr(0, pngPath.size() - 4) + ".json";
}

void SpriteSheet::place(int index, const std::vector<unsigned char>& rgba, double time) {
    if (!fits() || index < 0 || index >= m_count) return;
    const size_t sheetRow = static_cast<size_t>(m_columns) * m_width * 4;
    const size_t frameRow = static_cast<size_t>(m_width) * 4;
    const size_t left = static_cast<size_t>(index % m_columns) * frameRow;
    const size_t top = static_cast<size_t>(index / m_columns) * m_height;
    for (int y = 0; y < m_height; ++y)
        std::memcpy(&m_pixels[(top + y) * sheetRow + left], &rgba[y * frameRow], frameRow);
    m_times[static_cast<size_t>(index)] = time;
}

bool SpriteSheet::write(const std::string& pngPath, double fps, bool transparent) const {
    if (!fits()) return false;
    cocos2d::Image* image = new cocos2d::Image();
    const bool saved = image->initWithRawData(m_pixels.data(), static_cast<ssize_t>(m_pixels.size()),
                                              m_columns * m_width, m_rows * m_height, 8, false) &&
                       image->saveToFile(pngPath, !transparent);
    image->release();
    if (!saved) return false;

    Json::Value root(Json::objectValue);
    root["image"] = baseName(pngPath);
    root["frameWidth"] = m_width;
    root["frameHeight"] = m_height;
    root["columns"] = m_columns;
    root["rows"] = m_rows;
    root["fps"] = fps;
    Json::Value frames(Json::arrayValue);
    for (int i = 0; i < m_count; ++i) {
        Json::Value f(Json::objectValue);
        f["index"] = i;
        f["x"] = (i % m_columns) * m_width;
        f["y"] = (i / m_columns) * m_height;
        f["w"] = m_width;
        f["h"] = m_height;
        f["time"] = m_times[static_cast<size_t>(i)];
        frames.append(f);
    }
    root["frames"] = frames;
    Json::StreamWriterBuilder builder;
    builder["indentation"] = "  ";
    const std::string jsonPath = jsonPathFor(pngPath);
    const std::string text = Json::writeString(builder, root) + "\n";
    return cocos2d::replaceFileContents(jsonPath, text.data(), text.size()) == 0;
}
