// A picture kept off the screen: a memory device context with a bitmap of its own, filled
// from another device context and copied back in one block, so that a control can show a
// shape again without drawing it again.
#pragma once
#include <windows.h>

class MemoryImage {
public:
    MemoryImage() = default;
    ~MemoryImage();
    MemoryImage(const MemoryImage&) = delete;
    MemoryImage& operator=(const MemoryImage&) = delete;

    // Replaces the picture with the width x height area at (x, y) of `source`. When no
    // memory device context or bitmap can be had, no picture is left.
    void Capture(HDC source, int x, int y, int width, int height);
    // Copies the whole picture with its top-left corner at (x, y) of `target`.
    void Draw(HDC target, int x, int y) const;
    // Copies the width x height part of the picture at (fromX, fromY) to (x, y) of `target`.
    void DrawPart(HDC target, int x, int y, int fromX, int fromY, int width, int height) const;
    bool Empty() const { return !dc_; }

private:
    void Release();

    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previousBitmap_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};
