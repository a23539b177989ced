// generator_test.cpp: the asset generator's pieces: shape coverage, wrapping, tileable noise,
// BMP row padding, signal mixing and filtering, and WAV sample conversion.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <unistd.h>

#include "asset_files.h"
#include "canvas.h"
#include "synth.h"

namespace {

std::string tempPath(const std::string &name) {
    return (std::filesystem::temp_directory_path() /
            ("pasturon-gen-" + std::to_string(::getpid()) + "-" + name))
        .string();
}

double coverageSum(const Canvas &c) {
    double sum = 0;
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x)
            sum += c.get(x, y).r;
    return sum;
}

TEST(GeneratorShapes, EdgesAreAntiAliasedAndAreasAreKept) {
    Canvas c(16, 16);
    // A square from x 2.5 to 6.5: its edge columns are half covered, its inside full.
    fillPolygon(c, {{2.5, 2}, {6.5, 2}, {6.5, 6}, {2.5, 6}}, {1, 1, 1});
    EXPECT_NEAR(c.get(2, 3).r, 0.5, 1e-9);
    EXPECT_NEAR(c.get(4, 3).r, 1.0, 1e-9);
    EXPECT_NEAR(c.get(6, 3).r, 0.5, 1e-9);
    EXPECT_EQ(c.get(7, 3).r, 0.0);
    EXPECT_NEAR(coverageSum(c), 16.0, 1e-9);

    Canvas disc(64, 64);
    fillEllipse(disc, {32, 32}, 20, 10, {1, 1, 1});
    EXPECT_NEAR(coverageSum(disc), M_PI * 20 * 10, M_PI * 20 * 10 * 0.01);
}

TEST(GeneratorShapes, WrappedShapesContinueAcrossTheEdgesAndPlainOnesAreClipped) {
    Canvas plain(16, 16), wrapped(16, 16);
    wrapped.wrap = true;
    const std::vector<Point> across = {{12, 12}, {20, 12}, {20, 20}, {12, 20}}; // 8 x 8
    fillPolygon(plain, across, {1, 1, 1});
    fillPolygon(wrapped, across, {1, 1, 1});
    EXPECT_NEAR(coverageSum(plain), 16.0, 1e-9); // only the 4 x 4 on the picture
    EXPECT_NEAR(coverageSum(wrapped), 64.0, 1e-9);
    EXPECT_EQ(wrapped.get(1, 1).r, 1.0); // the part past the corner shows at the opposite one
    EXPECT_EQ(plain.get(1, 1).r, 0.0);
}

TEST(GeneratorShapes, BlendingHalfwayMixesTheColours) {
    Canvas c(1, 1, {0, 0, 1});
    c.blend(0, 0, {1, 0, 0}, 0.5);
    EXPECT_NEAR(c.get(0, 0).r, 0.5, 1e-12);
    EXPECT_NEAR(c.get(0, 0).b, 0.5, 1e-12);
    c.blend(5, 5, {1, 1, 1}, 1); // off the picture: ignored, no write out of bounds
    EXPECT_NEAR(c.get(0, 0).g, 0.0, 1e-12);
}

TEST(GeneratorNoise, FractalNoiseRepeatsAtThePictureSizeAndStaysInRange) {
    TileFractal square(64, 4, 4, 7);
    TileFractal wide(128, 32, 8, 2, 3, 9);
    double lo = 1, hi = 0;
    for (double y = 0; y < 64; y += 3.7)
        for (double x = 0; x < 64; x += 2.9) {
            EXPECT_NEAR(square.at(x, y), square.at(x + 64, y), 1e-12);
            EXPECT_NEAR(square.at(x, y), square.at(x, y + 64), 1e-12);
            EXPECT_NEAR(wide.at(x, y), wide.at(x + 128, y + 32), 1e-12);
            lo = std::min(lo, square.at(x, y));
            hi = std::max(hi, square.at(x, y));
        }
    EXPECT_GE(lo, 0.0);
    EXPECT_LE(hi, 1.0);
    EXPECT_GT(hi - lo, 0.3); // it actually varies
}

TEST(GeneratorFiles, BmpRowsArePaddedAndBottomUp) {
    // Width 3: 9 bytes of pixels per row, padded to 12.
    Canvas c(3, 2, {0, 0, 0});
    c.set(0, 0, {1, 0, 0}); // top left red
    c.set(2, 1, {0, 0, 1}); // bottom right blue
    std::string path = tempPath("odd.bmp");
    ASSERT_TRUE(writeBmp(c, path));
    EXPECT_EQ(readFile(path).size(), 54u + 12 * 2);
    BmpFile bmp = readBmp(path);
    ASSERT_TRUE(bmp.valid) << bmp.problem;
    EXPECT_EQ(bmp.at(0, 0, 0), 255);
    EXPECT_EQ(bmp.at(0, 0, 2), 0);
    EXPECT_EQ(bmp.at(2, 1, 2), 255);
    EXPECT_EQ(bmp.at(2, 1, 0), 0);
    std::remove(path.c_str());
    EXPECT_FALSE(writeBmp(c, "/nonexistent-folder/x.bmp"));
}

TEST(GeneratorSignals, MixingWrapsOnlyWhenAsked) {
    Signal dst(10, 0.0), src(4, 1.0);
    mixInto(dst, src, 8, 0.5);
    EXPECT_EQ(dst[9], 0.5);
    EXPECT_EQ(dst[0], 0.0); // the tail is dropped
    Signal loop(10, 0.0);
    mixInto(loop, src, 8, 0.5, true);
    EXPECT_EQ(loop[0], 0.5); // the tail continues at the start
    EXPECT_EQ(loop[1], 0.5);
    EXPECT_EQ(loop[2], 0.0);
    Signal early(10, 0.0);
    mixInto(early, src, -2, 1.0);
    EXPECT_EQ(early[0], 1.0);
    EXPECT_EQ(early[2], 0.0);
}

double rmsOf(const Signal &s, size_t from) {
    double sum = 0;
    for (size_t i = from; i < s.size(); ++i)
        sum += s[i] * s[i];
    return std::sqrt(sum / (s.size() - from));
}

TEST(GeneratorSignals, OscillatorKeepsItsPitchAndFiltersSeparateLowFromHigh) {
    Oscillator o;
    Signal tone = render(1.0, [&](double) { return o.next(441); });
    int crossings = 0;
    for (size_t i = 1; i < tone.size(); ++i)
        crossings += (tone[i - 1] < 0) != (tone[i] < 0);
    EXPECT_NEAR(crossings, 882, 2);

    auto through = [](Filter f, double hz) {
        Signal s = render(0.5, [hz](double t) { return std::sin(2 * M_PI * hz * t); });
        for (double &v : s)
            v = f.run(v);
        return rmsOf(s, 2000) * std::sqrt(2.0); // amplitude after the filter settles
    };
    EXPECT_NEAR(through(Filter(Filter::LowPass, 500, 0.707), 100), 1.0, 0.05);
    EXPECT_LT(through(Filter(Filter::LowPass, 500, 0.707), 4000), 0.03);
    EXPECT_LT(through(Filter(Filter::HighPass, 2000, 0.707), 200), 0.03);
    EXPECT_NEAR(through(Filter(Filter::BandPass, 1000, 2), 1000), 1.0, 0.05);
    EXPECT_LT(through(Filter(Filter::BandPass, 1000, 2), 100), 0.1);
}

TEST(GeneratorSignals, EnvelopesStartAtZeroAndEndAtZero) {
    EXPECT_EQ(gate(0, 0.1, 1, 0.2), 0.0);
    EXPECT_EQ(gate(0.5, 0.1, 1, 0.2), 1.0);
    EXPECT_NEAR(gate(1.2, 0.1, 1, 0.2), 0.0, 1e-12);
    EXPECT_EQ(gate(1.3, 0.1, 1, 0.2), 0.0);
    EXPECT_EQ(attackDecay(-0.1, 0.01, 0.1), 0.0);
    EXPECT_NEAR(attackDecay(0.11, 0.01, 0.1), std::exp(-1.0), 1e-12);
    // A struck partial that is cut off early still fades to silence at its end.
    Signal ring = strike(0.05, {{1000, 1, 10}});
    EXPECT_LT(std::fabs(ring.back()), 0.01);
}

TEST(GeneratorFiles, WavSamplesAreNormalisedAndClampedNotWrapped) {
    Signal s = {0.0, 0.25, -0.5, 2.0};
    normalise(s, -6.0);
    EXPECT_NEAR(std::fabs(s[3]), std::pow(10.0, -6.0 / 20), 1e-12);
    Signal square(1000);
    for (size_t i = 0; i < square.size(); ++i)
        square[i] = i % 20 < 10 ? 0.3 : -0.3;
    normalise(square, -1.0, -12.0); // the RMS cap wins: a square's RMS equals its peak
    EXPECT_NEAR(square[0], std::pow(10.0, -12.0 / 20), 1e-12);
    Signal loud = {0.0, 1.5, -1.5, 0.5};
    std::string path = tempPath("loud.wav");
    ASSERT_TRUE(writeWav(loud, path));
    WavFile wav = readWav(path);
    ASSERT_TRUE(wav.valid) << wav.problem;
    EXPECT_EQ(wav.sampleRate, SampleRate);
    ASSERT_EQ(wav.samples.size(), 4u);
    EXPECT_EQ(wav.samples[1], 32767); // clamped at full scale, not wrapped negative
    EXPECT_EQ(wav.samples[2], -32767);
    EXPECT_EQ(wav.samples[3], 16384);
    std::remove(path.c_str());
}

} // namespace
