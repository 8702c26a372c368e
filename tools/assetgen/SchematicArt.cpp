// Vessel schematics for the campaigns' databases: for every ship class a campaign lists in its
// prefixmap.adf, a blueprint of the class's own battle picture (read back from ships/, which
// MakeShips wrote first) traced in ink on a drafting grid, with dimension lines, a title block and
// the class's figures. Written as graphics/campaigns/<folder>/schematics/<BMP_IMAGE>.img, 220 x
// 150, keyed on black like the plain blueprint sheet.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <set>

#include "Art.h"
#include "Ini.h"
#include "Shapes.h"
#include "Style.h"
#include "Text.h"

namespace ag {

namespace {

constexpr int kW = 220, kH = 150;
const Col kPaper = Hex(0x0c2448), kGrid = Hex(0x2a5a8a), kInk = Hex(0xd8ecff), kDim = Hex(0xffb23c);

// Reads back a 24-bit picture this generator wrote (bottom-up rows, no compression). Pixels on
// the black key come back transparent.
bool ReadPicture(const std::string& path, Layer& out) {
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    std::vector<uint8_t> d;
    uint8_t buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) d.insert(d.end(), buf, buf + n);
    std::fclose(f);
    auto u32 = [&](size_t at) { return uint32_t(d[at]) | uint32_t(d[at + 1]) << 8 | uint32_t(d[at + 2]) << 16 | uint32_t(d[at + 3]) << 24; };
    if (d.size() < 54 || d[0] != 'B' || d[1] != 'M' || (d[28] | d[29] << 8) != 24) return false;
    const int w = int(u32(18)), h = int(u32(22));
    const size_t offset = u32(10), stride = (size_t(w) * 3 + 3) & ~size_t(3);
    if (w <= 0 || h <= 0 || w > 1024 || h > 1024 || offset + stride * size_t(h) > d.size()) return false;
    out = Layer(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const uint8_t* p = &d[offset + stride * size_t(h - 1 - y) + size_t(x) * 3];
            if (p[0] == 0 && p[1] == 0 && p[2] == 0) continue;
            out.Put(x, y, Col{p[2] / 255.0f, p[1] / 255.0f, p[0] / 255.0f});
        }
    return true;
}

float Luma(const Layer& l, int x, int y) {
    if (!l.In(x, y) || l.Alpha(x, y) < 0.5f) return 0;
    const Col c = l.Get(x, y);
    return 0.3f * c.r + 0.55f * c.g + 0.15f * c.b;
}

struct ClassFigures {
    std::string title, race;
    int structure = 0, crew = 0;
    bool starbase = false;
};

Layer Schematic(const Layer& sprite, const ClassFigures& figures) {
    Layer l(kW, kH);
    FillRect(l, 0, 0, kW, kH, kPaper);
    for (int x = 0; x < kW; x += 10) Line(l, {x + 0.5f, 0}, {x + 0.5f, float(kH)}, 1.0f, kGrid, x % 50 ? 0.3f : 0.7f);
    for (int y = 0; y < kH; y += 10) Line(l, {0, y + 0.5f}, {float(kW), y + 0.5f}, 1.0f, kGrid, y % 50 ? 0.3f : 0.7f);

    // The plan: the ship's picture scaled into a 112-pixel box left of the title block.
    const float box = 112;
    const float scale = std::min(box / sprite.w, box / sprite.h);
    const int sw = std::max(8, int(sprite.w * scale)), sh = std::max(8, int(sprite.h * scale));
    const Layer plan = sprite.Scaled(sw, sh);
    const int ox = 78 - sw / 2, oy = 82 - sh / 2;
    int top = kH, bottom = -1, left = kW, right = -1;
    for (int y = 0; y < sh; ++y)
        for (int x = 0; x < sw; ++x) {
            if (plan.Alpha(x, y) < 0.5f) continue;
            top = std::min(top, y), bottom = std::max(bottom, y), left = std::min(left, x), right = std::max(right, x);
            // Hull in a faint wash, its edge in full ink, panel lines where the shading breaks.
            bool edge = false;
            for (int k = 0; k < 4 && !edge; ++k) {
                const int nx = x + (k == 0) - (k == 1), ny = y + (k == 2) - (k == 3);
                edge = !plan.In(nx, ny) || plan.Alpha(nx, ny) < 0.5f;
            }
            const float gx = Luma(plan, x + 1, y) - Luma(plan, x - 1, y), gy = Luma(plan, x, y + 1) - Luma(plan, x, y - 1);
            const float detail = Clamp01(std::sqrt(gx * gx + gy * gy) * 2.2f);
            if (edge) l.Over(ox + x, oy + y, kInk, 0.95f);
            else l.Over(ox + x, oy + y, kInk, 0.1f + 0.55f * detail);
        }
    if (bottom >= 0) {
        // Dimension lines: the length on the right, the beam below, with end ticks.
        const float x0 = float(ox + left), x1 = float(ox + right), y0 = float(oy + top), y1 = float(oy + bottom);
        const float dx = std::min(x1 + 8, 146.0f), dy = std::min(y1 + 7, 143.0f);
        Line(l, {dx, y0}, {dx, y1}, 1.0f, kDim, 0.85f);
        Line(l, {dx - 3, y0}, {dx + 3, y0}, 1.0f, kDim, 0.85f);
        Line(l, {dx - 3, y1}, {dx + 3, y1}, 1.0f, kDim, 0.85f);
        Line(l, {x0, dy}, {x1, dy}, 1.0f, kDim, 0.85f);
        Line(l, {x0, dy - 3}, {x0, dy + 3}, 1.0f, kDim, 0.85f);
        Line(l, {x1, dy - 3}, {x1, dy + 3}, 1.0f, kDim, 0.85f);
        // The centre line of the hull.
        const float cx = (x0 + x1) / 2;
        for (float y = y0 - 4; y < y1 + 4; y += 6) Line(l, {cx, y}, {cx, y + 3}, 1.0f, kInk, 0.35f);
    }

    // Title block: the class, its race, and its hull and crew.
    RoundRectOutline(l, 152.5f, 10.5f, 214.5f, 142.5f, 1, 1.0f, kInk, 0.55f);
    std::string title = figures.title;
    for (char& ch : title) ch = char(std::toupper(static_cast<unsigned char>(ch)));
    // Long names go on two lines, split at the last space that fits.
    std::vector<std::string> words;
    std::string line;
    for (size_t i = 0; i <= title.size(); ++i) {
        if (i == title.size() || title[i] == ' ') {
            if (!line.empty()) words.push_back(line);
            line.clear();
        } else {
            line += title[i];
        }
    }
    // A word too wide for the block at the title's size is set a size smaller.
    int px = 9;
    for (const std::string& w : words)
        while (px > 7 && TextWidth(w, px, true) > 56) --px;
    int y = 16;
    std::string row;
    for (const std::string& w : words) {
        const std::string wider = row.empty() ? w : row + " " + w;
        if (!row.empty() && TextWidth(wider, px, true) > 56) {
            DrawText(l, 157, y, row, px, true, kInk);
            y += px + 2;
            row = w;
        } else {
            row = wider;
        }
    }
    if (!row.empty()) DrawText(l, 157, y, row, px, true, kInk);
    Line(l, {153, 44.5f}, {214, 44.5f}, 1.0f, kInk, 0.4f);
    DrawText(l, 157, 50, figures.starbase ? "STATION" : "VESSEL", 8, false, kInk, 0.8f);
    DrawText(l, 157, 61, "SERIES", 8, false, kInk, 0.8f);
    DrawText(l, 190, 61, figures.race, 8, false, kInk, 0.8f);
    Line(l, {153, 104.5f}, {214, 104.5f}, 1.0f, kInk, 0.4f);
    DrawText(l, 157, 110, "HULL", 8, false, kDim, 0.9f);
    DrawText(l, 190, 110, std::to_string(figures.structure), 8, false, kDim, 0.9f);
    DrawText(l, 157, 122, "CREW", 8, false, kDim, 0.9f);
    DrawText(l, 190, 122, std::to_string(figures.crew), 8, false, kDim, 0.9f);
    RoundRectOutline(l, 0.5f, 0.5f, kW - 0.5f, kH - 0.5f, 2, 1.0f, kInk, 0.6f);
    return l;
}

// The file of a class: the base game's ships.adf, or the add-on's of that prefix.
std::string ShipFile(const std::string& gameData, std::string prefix) {
    if (prefix.empty() || SameText(prefix, "#NONE")) return gameData + "/data/ships.adf";
    std::replace(prefix.begin(), prefix.end(), '\\', '/');
    return gameData + "/data/add-ons/" + prefix + "ships.adf";
}

}  // namespace

void MakeSchematics(Output& out, const std::string& gameData) {
    IniFile campaigns = ReadIni(gameData + "/data/campaigns.adf");
    for (const IniSection& campaign : campaigns.sections) {
        std::string folder = campaign.Get("FOLDER");
        std::replace(folder.begin(), folder.end(), '\\', '/');
        while (!folder.empty() && folder.back() == '/') folder.pop_back();
        if (folder.empty() || folder.find("..") != std::string::npos) continue;
        const IniFile prefixMap = ReadIni(gameData + "/data/" + folder + "/prefixmap.adf");
        const IniSection* ships = prefixMap.Find("SHIPS");
        if (!ships) continue;
        std::set<std::string> done;
        for (const auto& [key, prefix] : ships->keys) {
            const IniFile file = ReadIni(ShipFile(gameData, prefix));
            const IniSection* s = file.Find(key);
            if (!s) continue;
            const std::string image = s->Get("BMP_IMAGE");
            if (image.empty() || !done.insert(Lower(image)).second) continue;
            Layer sprite;
            if (!ReadPicture(out.Root() + "/ships/" + image + ".img", sprite)) {
                std::fprintf(stderr, "assetgen: no ship picture ships/%s.img for its schematic\n", image.c_str());
                continue;
            }
            ClassFigures figures;
            figures.title = s->Get("DISP_NAME", key);
            figures.race = s->Get("RACE", key.substr(0, 3));
            figures.structure = s->GetInt("STRUCTURE");
            figures.crew = s->GetInt("CREW");
            figures.starbase = s->GetInt("STARBASE") != 0;
            out.Image("graphics/campaigns/" + folder + "/schematics/" + image, Keyed(Schematic(sprite, figures), kKeyBlack));
        }
    }
}

}  // namespace ag
