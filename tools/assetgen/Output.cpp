#include "Output.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>

#include "Text.h"

namespace ag {

namespace fs = std::filesystem;

static bool MakeParent(const std::string& path) {
    std::error_code ec;
    fs::create_directories(fs::path(path).parent_path(), ec);
    return !ec;
}

void Output::Image(const std::string& rel, const Bitmap& bmp, bool keyed) {
    std::string path = root_ + "/" + rel + ".img";
    if (!MakeParent(path) || !bmp.Save(path)) {
        std::fprintf(stderr, "assetgen: cannot write %s\n", path.c_str());
        ++failures_;
        return;
    }
    // Keep a small copy for the contact sheet.
    const int maxW = 150, maxH = 110;
    float k = std::min({1.0f, float(maxW) / bmp.w, float(maxH) / bmp.h});
    int tw = std::max(1, int(bmp.w * k)), th = std::max(1, int(bmp.h * k));
    Bitmap t(tw, th);
    for (int y = 0; y < th; ++y)
        for (int x = 0; x < tw; ++x) t.At(x, y) = bmp.At(std::min(bmp.w - 1, int(x / k)), std::min(bmp.h - 1, int(y / k)));
    thumbs_.push_back({rel, bmp.w, bmp.h, std::move(t), bmp.px.empty() ? Rgb{} : bmp.At(0, 0), keyed});
}

void Output::Sound(const std::string& rel, const std::vector<float>& samples) {
    std::string path = root_ + "/" + rel + ".wav";
    if (!MakeParent(path) || !WriteWav(path, samples)) {
        std::fprintf(stderr, "assetgen: cannot write %s\n", path.c_str());
        ++failures_;
        return;
    }
    ++sounds_;
}

bool Output::WriteSheet(const std::string& path) const {
    const int cellW = 170, cellH = 150, cols = 10;
    int rows = (int(thumbs_.size()) + cols - 1) / cols;
    Layer sheet(cols * cellW, std::max(1, rows) * cellH + 40);
    sheet.Fill(Hex(0x14161c));
    DrawText(sheet, 10, 10, "Starwake generated pictures: " + std::to_string(thumbs_.size()) +
                                " (key colour shown as a checker pattern)", 16, true, Hex(0xe0e6f0));
    for (size_t i = 0; i < thumbs_.size(); ++i) {
        const Thumb& t = thumbs_[i];
        int cx = int(i % cols) * cellW, cy = 40 + int(i / cols) * cellH;
        int ox = cx + (cellW - t.pic.w) / 2, oy = cy + 4 + (110 - t.pic.h) / 2;
        for (int y = 0; y < t.pic.h; ++y)
            for (int x = 0; x < t.pic.w; ++x) {
                Rgb p = t.pic.At(x, y);
                Col c{p.r / 255.f, p.g / 255.f, p.b / 255.f};
                if (t.keyed && p == t.key) c = ((x / 6 + y / 6) % 2) ? Hex(0x2a2d36) : Hex(0x3a3e4a);
                sheet.Put(ox + x, oy + y, c);
            }
        std::string label = t.name;
        size_t slash = label.find_last_of('/');
        std::string shortName = slash == std::string::npos ? label : label.substr(slash + 1);
        std::string folder = slash == std::string::npos ? "" : label.substr(0, slash);
        DrawTextCentred(sheet, cx + cellW / 2, cy + 122, shortName, 12, true, Hex(0xf0f0f0));
        DrawTextCentred(sheet, cx + cellW / 2, cy + 137,
                        folder + "  " + std::to_string(t.fullW) + "x" + std::to_string(t.fullH), 10, false,
                        Hex(0x9098a8));
    }
    MakeParent(path);
    return Opaque(sheet).Save(path);
}

bool WriteWav(const std::string& path, const std::vector<float>& s) {
    std::vector<uint8_t> o;
    auto p16 = [&](uint32_t v) { o.push_back(v & 255); o.push_back((v >> 8) & 255); };
    auto p32 = [&](uint32_t v) { p16(v & 0xFFFF); p16(v >> 16); };
    uint32_t data = uint32_t(s.size()) * 2;
    o.insert(o.end(), {'R', 'I', 'F', 'F'}); p32(36 + data);
    o.insert(o.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '}); p32(16);
    p16(1); p16(1); p32(kRate); p32(kRate * 2); p16(2); p16(16);
    o.insert(o.end(), {'d', 'a', 't', 'a'}); p32(data);
    for (float v : s) {
        float c = std::isfinite(v) ? std::max(-1.0f, std::min(1.0f, v)) : 0.0f;
        p16(uint16_t(int16_t(std::lround(c * 32767.0f))));
    }
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(o.data(), 1, o.size(), f) == o.size();
    return std::fclose(f) == 0 && ok;
}

}  // namespace ag
