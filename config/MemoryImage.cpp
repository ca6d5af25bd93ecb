#include "config/MemoryImage.h"

MemoryImage::~MemoryImage() { Release(); }

// A picture of the same size is copied into the bitmap already held, without allocating.
void MemoryImage::Capture(HDC source, int x, int y, int width, int height) {
    if (dc_ && width == width_ && height == height_) {
        BitBlt(dc_, 0, 0, width, height, source, x, y, SRCCOPY);
        return;
    }
    Release();
    dc_ = CreateCompatibleDC(source);
    if (!dc_) return;
    bitmap_ = CreateCompatibleBitmap(source, width, height);
    if (!bitmap_) {
        Release();
        return;
    }
    previousBitmap_ = SelectObject(dc_, bitmap_);
    width_ = width;
    height_ = height;
    BitBlt(dc_, 0, 0, width, height, source, x, y, SRCCOPY);
}

void MemoryImage::Draw(HDC target, int x, int y) const { DrawPart(target, x, y, 0, 0, width_, height_); }

void MemoryImage::DrawPart(HDC target, int x, int y, int fromX, int fromY, int width, int height) const {
    if (dc_ && width > 0 && height > 0) BitBlt(target, x, y, width, height, dc_, fromX, fromY, SRCCOPY);
}

void MemoryImage::Release() {
    if (bitmap_) {
        SelectObject(dc_, previousBitmap_);
        DeleteObject(bitmap_);
    }
    if (dc_) DeleteDC(dc_);
    dc_ = nullptr;
    bitmap_ = nullptr;
    previousBitmap_ = nullptr;
    width_ = height_ = 0;
}
