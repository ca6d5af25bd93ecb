#pragma once
#include "gdi/FontFaces.h"

struct FT_LibraryRec_;
struct FT_FaceRec_;

namespace emu {

// The device's family rendered by FreeType from the installed DejaVu Sans files.
class FreeTypeFaces : public FontFaces {
public:
    // Throws when FreeType does not start or a font file is missing: without its fonts
    // there is no device to run.
    FreeTypeFaces();
    ~FreeTypeFaces() override;
    FreeTypeFaces(const FreeTypeFaces&) = delete;
    FreeTypeFaces& operator=(const FreeTypeFaces&) = delete;

    std::unique_ptr<GlyphSource> sized(bool bold, LONG height, bool antialiased) override;

private:
    FT_LibraryRec_* library_ = nullptr;
    FT_FaceRec_* regular_ = nullptr;
    FT_FaceRec_* bold_ = nullptr;
};

}  // namespace emu
