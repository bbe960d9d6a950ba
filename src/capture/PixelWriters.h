// Pixel writers: one colour written in one frame pixel format.
#pragma once

#include <cstdint>
#include <memory>

namespace trelvix {

class CBasePixel {
public:
    virtual ~CBasePixel() = default;
    virtual void WritePixel(uint8_t* address) const = 0;
    // Complements each byte of the pixel.
    virtual void InvertPixel(uint8_t* address) const {
        for (int i = 0; i < bytesPerPixel; ++i) address[i] = uint8_t(~address[i]);
    }
    virtual void PrepareColour() {}

    void SetColour(uint8_t r, uint8_t g, uint8_t b) {
        red = r;
        green = g;
        blue = b;
        PrepareColour();
    }
    void SetBytesPerPixel(int n) { bytesPerPixel = n; }
    uint8_t* PixelAddress(uint8_t* rowStart, int x) const { return rowStart + x * bytesPerPixel; }

    uint8_t red = 0, green = 0, blue = 0;
    int bytesPerPixel = 1;
};

class CPixelRGB8 : public CBasePixel {
public:
    void WritePixel(uint8_t* a) const override { a[0] = 10; }  // a fixed palette index
};

class CPixelRGB555 : public CBasePixel {
public:
    void PrepareColour() override {
        packed = uint16_t((blue * 32 / 256) + (((green * 32 / 256) << 5) & 0x03E0) +
                          (((red * 32 / 256) << 10) & 0x7C00));
    }
    void WritePixel(uint8_t* a) const override {
        a[0] = uint8_t(packed & 0xFF);
        a[1] = uint8_t(packed >> 8);
    }
    uint16_t packed = 0;
};

class CPixelRGB565 : public CBasePixel {
public:
    void PrepareColour() override {
        packed = uint16_t((blue * 32 / 256) + (((green * 64 / 256) << 5) & 0x07E0) +
                          (((red * 32 / 256) << 11) & 0xF800));
    }
    void WritePixel(uint8_t* a) const override {
        a[0] = uint8_t(packed & 0xFF);
        a[1] = uint8_t(packed >> 8);
    }
    uint16_t packed = 0;
};

class CPixelRGB24 : public CBasePixel {
public:
    void WritePixel(uint8_t* a) const override {
        a[0] = blue;
        a[1] = green;
        a[2] = red;
    }
};

class CPixelRGB32 : public CBasePixel {
public:
    void WritePixel(uint8_t* a) const override {
        a[0] = blue;
        a[1] = green;
        a[2] = red;
        a[3] = 0;
    }
};

// The writer of a pixel-format code (3 to 7), or none.
std::unique_ptr<CBasePixel> CreatePixelWriter(int pixelFormatCode);

}  // namespace trelvix
