#pragma once

#include <cstdint>

#include "core/base/run_error.h"
#include "core/colour/rounding.h"

// One colour held as red, green and blue; every other model is recomputed from the channels on each read.
//
// The readouts must show exactly the figures users have always seen, so the arithmetic is pinned down: values
// "held as single" are computed in double and rounded once to float, sums go left to right, and whole numbers
// come from round-half-even. Build with -ffp-contract=off (MSVC: /fp:precise without /fp:contract) so that no
// a * b + c is fused: a fused multiply-add skips the intermediate rounding and moves results across a .5 tie.
class cClrModels {
public:
    uint8_t cmyC() const { return static_cast<uint8_t>(255 - red_); }
    uint8_t cmyM() const { return static_cast<uint8_t>(255 - green_); }

    int16_t cmykK() const { return Round<int16_t>(MinOf(255 - red_, 255 - green_, 255 - blue_) / kPercentFactor); }
    int16_t cmykC() const { return CmykInk(red_); }
    int16_t cmykM() const { return CmykInk(green_); }
    int16_t cmykY() const { return CmykInk(blue_); }

    uint8_t cmyY() const { return static_cast<uint8_t>(255 - blue_); }

    int16_t hlsH() const {
        const Fractions f = ChannelFractions();
        float h = 0.0f;
        if (f.max != f.min) {
            const float d = Single(static_cast<double>(f.max) - f.min);
            // The order of the tests decides ties: a maximum shared with red counts as red, green before blue.
            if (f.max == f.r) {
                h = Single((static_cast<double>(f.g) - f.b) / d);
            } else if (f.max == f.g) {
                h = Single((static_cast<double>(f.b) - f.r) / d + 2);
            } else {
                h = Single((static_cast<double>(f.r) - f.g) / d + 4);
            }
        }
        // The + 1 turns the scale by 60 degrees: red reads 60 and magenta 0, as the readout always has.
        const float hue = Single((static_cast<double>(h) + 1) * 60);
        return Round<int16_t>(hue);
    }

    int16_t hlsL() const {
        const int sum = MaxOf(red_, green_, blue_) + MinOf(red_, green_, blue_);
        return Round<int16_t>(sum / 2.0 / kPercentFactor);
    }

    int16_t hlsS() const {
        const Fractions f = ChannelFractions();
        if (f.max == f.min) {
            return 0;
        }
        const double spread = static_cast<double>(f.max) - f.min;
        // The denominator follows the rounded lightness, so a lightness that rounds to 50 takes max + min.
        const float s = hlsL() > 50 ? Single(spread / (2.0 - f.max - f.min))
                                    : Single(spread / (static_cast<double>(f.max) + f.min));
        return Round<int16_t>(static_cast<double>(s) * 100);
    }

    void rgbR(uint8_t NewVal) { red_ = NewVal; }
    uint8_t rgbR() const { return red_; }
    uint8_t rgbG() const { return green_; }
    uint8_t rgbB() const { return blue_; }

    uint8_t ycbcrY() const { return Round<uint8_t>(0.2989 * red_ + 0.5866 * green_ + 0.1145 * blue_); }

    // The chroma sums never fall below 0.5, but pure blue (Cb) and pure red (Cr) reach 255.5 and round to 256.
    uint8_t ycbcrCb() const { return ChromaByte(Round<int16_t>(-0.1687 * red_ - 0.3313 * green_ + 0.5 * blue_ + 128)); }
    uint8_t ycbcrCr() const { return ChromaByte(Round<int16_t>(0.5 * red_ - 0.4187 * green_ - 0.0813 * blue_ + 128)); }

    void rgbG(uint8_t NewVal) { green_ = NewVal; }
    void rgbB(uint8_t NewVal) { blue_ = NewVal; }

    // Each channel is stored as soon as it is known: on overflow the earlier channels keep their new values.
    void SetCMY(int16_t C, int16_t M, int16_t Y) {
        red_ = ToByte(255 - C);
        green_ = ToByte(255 - M);
        blue_ = ToByte(255 - Y);
    }

    // Stores channel by channel like SetCMY.
    void SetHLS(int16_t H, int16_t L, int16_t S) {
        const float hh = Single(H / 60.0 - 1);
        const float l = Single(L / 100.0);
        const float s = Single(S / 100.0);
        float r = l;
        float g = l;
        float b = l;
        if (s != 0.0f) {
            const float p =
                l <= 0.5f ? Single((1 - static_cast<double>(s)) * l) : Single(l - (1 - static_cast<double>(l)) * s);
            const float q = Single(2 * static_cast<double>(l) - p);
            const float d = Single(static_cast<double>(q) - p);
            const double hue = hh;
            if (hue < 0) {
                r = q;
                g = p;
                b = Single(p - hue * d);
            } else if (hue < 1) {
                r = q;
                g = Single(p + hue * d);
                b = p;
            } else if (hue < 2) {
                r = Single(p - (hue - 2) * d);
                g = q;
                b = p;
            } else if (hue < 3) {
                r = p;
                g = q;
                b = Single(p + (hue - 2) * d);
            } else if (hue < 4) {
                r = p;
                g = Single(p - (hue - 4) * d);
                b = q;
            } else {
                r = Single(p + (hue - 4) * d);
                g = p;
                b = q;
            }
        }
        red_ = Round<uint8_t>(static_cast<double>(r) * 255);
        green_ = Round<uint8_t>(static_cast<double>(g) * 255);
        blue_ = Round<uint8_t>(static_cast<double>(b) * 255);
    }

    // Stores channel by channel like SetCMY. The expression is 255 * (1 - c) * (1 - k) kept in its original
    // form, since an algebraically equal form need not round the same way.
    void SetCMYK(int16_t C, int16_t M, int16_t Y, int16_t K) {
        const float c = Single(C / 100.0);
        const float m = Single(M / 100.0);
        const float y = Single(Y / 100.0);
        const float k = Single(K / 100.0);
        red_ = CmykChannel(c, k);
        green_ = CmykChannel(m, k);
        blue_ = CmykChannel(y, k);
    }

    // All or nothing: the three channels are worked out and limited to 0..255 before any is stored.
    void SetYCbCr(int16_t Y, int16_t Cb, int16_t Cr) {
        const int16_t cbOffset = Subtract16(Cb, 128);
        const int16_t crOffset = Subtract16(Cr, 128);
        const int16_t r = Round<int16_t>(crOffset * 1.402 + Y);
        const int16_t g = Round<int16_t>(Y - cbOffset * 0.34414 - crOffset * 0.71414);
        const int16_t b = Round<int16_t>(cbOffset * 1.772 + Y);
        red_ = ClampToByte(r);
        green_ = ClampToByte(g);
        blue_ = ClampToByte(b);
    }

private:
    template <typename T>
    static T MinOf(T a, T b, T c) {
        T smallest = a;
        if (b < smallest) {
            smallest = b;
        }
        if (c < smallest) {
            smallest = c;
        }
        return smallest;
    }

    template <typename T>
    static T MaxOf(T a, T b, T c) {
        T largest = a;
        if (b > largest) {
            largest = b;
        }
        if (c > largest) {
            largest = c;
        }
        return largest;
    }

    // The double nearest to 2.55, the factor between the 0..255 scale and percent.
    static constexpr double kPercentFactor = 2.55;

    struct Fractions {
        float r;
        float g;
        float b;
        float max;
        float min;
    };

    static float Single(double value) { return static_cast<float>(value); }

    template <typename T>
    static T Round(double value) {
        const auto rounded = pixlin::RoundTo<T>(value);
        if (!rounded) {
            pixlin::ThrowOverflow();
        }
        return *rounded;
    }

    static uint8_t ToByte(int value) {
        if (value < 0 || value > 255) {
            pixlin::ThrowOverflow();
        }
        return static_cast<uint8_t>(value);
    }

    static int16_t Subtract16(int16_t value, int amount) {
        const int difference = value - amount;
        if (difference < INT16_MIN || difference > INT16_MAX) {
            pixlin::ThrowOverflow();
        }
        return static_cast<int16_t>(difference);
    }

    static uint8_t ChromaByte(int16_t value) { return ToByte(value > 255 ? 255 : value); }

    static uint8_t ClampToByte(int16_t value) {
        const int16_t upper = value > 255 ? int16_t{255} : value;
        return static_cast<uint8_t>(upper < 0 ? 0 : upper);
    }

    static uint8_t CmykChannel(float ink, float k) {
        return Round<uint8_t>((1 - ((1 - static_cast<double>(k)) * ink + k)) * 255);
    }

    // Works on whole percentages: the channel rounded to percent, and the already rounded key.
    int16_t CmykInk(uint8_t channel) const {
        const int16_t t = Round<int16_t>(channel / kPercentFactor);
        int d = 100 - cmykK();
        if (d == 0) {
            d = 1;  // black and near-black (channels 0 or 1) read key 100 and no colour ink
        }
        const int n = 100 - t - cmykK();
        return Round<int16_t>(static_cast<double>(n) / d * 100);
    }

    Fractions ChannelFractions() const {
        const float r = Single(red_ / 255.0);
        const float g = Single(green_ / 255.0);
        const float b = Single(blue_ / 255.0);
        return {r, g, b, MaxOf(r, g, b), MinOf(r, g, b)};
    }

    uint8_t red_ = 0;
    uint8_t green_ = 0;
    uint8_t blue_ = 0;
};
