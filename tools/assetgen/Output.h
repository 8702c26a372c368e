// Everything the generator writes goes through here: pictures (.img) and
// sounds (.wav) under the game root, plus a record of every picture for the
// contact sheet.
#pragma once
#include <string>
#include <vector>

#include "Bitmap.h"

namespace ag {

constexpr int kRate = 22050;  // sample rate of every sound

class Output {
public:
    explicit Output(std::string root) : root_(std::move(root)) {}
    // rel is a path below the game root without extension, e.g. "graphics/planets".
    void Image(const std::string& rel, const Bitmap& bmp, bool keyed = true);
    void Sound(const std::string& rel, const std::vector<float>& samples);
    bool WriteSheet(const std::string& path) const;
    int ImageCount() const { return int(thumbs_.size()); }
    int SoundCount() const { return sounds_; }
    int Failures() const { return failures_; }
    const std::string& Root() const { return root_; }

private:
    struct Thumb {
        std::string name;
        int fullW, fullH;
        Bitmap pic;
        Rgb key;
        bool keyed;
    };
    std::string root_;
    std::vector<Thumb> thumbs_;
    int sounds_ = 0;
    int failures_ = 0;
};

bool WriteWav(const std::string& path, const std::vector<float>& samples);

}  // namespace ag
