// Frames laid out in a grid on one image, with a JSON list of where each frame is and when it was drawn.
#pragma once

#include <string>
#include <vector>

class SpriteSheet {
public:
    // `count` frames of width x height, in rows of a roughly square grid.
    SpriteSheet(int count, int width, int height);

    // Whether the sheet fits the image size limit.
    bool fits() const;
    // Copies frame `index` (RGBA, top row first) into its cell.
    void place(int index, const std::vector<unsigned char>& rgba, double time);
    // Writes `pngPath` and the frame list beside it (same name, .json); false on failure.
    bool write(const std::string& pngPath, double fps, bool transparent) const;

    static std::string jsonPathFor(const std::string& pngPath);

private:
    int m_count;
    int m_width;
    int m_height;
    int m_columns;
    int m_rows;
    std::vector<unsigned char> m_pixels;
    std::vector<double> m_times;
};
