// assets_test.cpp: the generated assets: every catalogue file present in the right format,
// tiles that repeat without seams, sound levels, loop seams and lengths, and a generator
// that writes the same bytes on every run.
#include <gtest/gtest.h>

#include <AL/alut.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

#include "asset_files.h"
#include "audio/sound.h"
#include "images/bmp.h"
#include "images/texture_list.h"
#include "test_data.h"

namespace {

// Every sound of the catalogue, and whether its source loops.
struct CatalogueSound {
    std::string file; // relative to the data folder
    bool loops;
};
std::vector<CatalogueSound> catalogueSounds() {
    std::vector<CatalogueSound> sounds;
    for (int i = 0; i < SoundCount; i++)
        sounds.push_back({soundFile(static_cast<Sound>(i)), soundLoops(static_cast<Sound>(i))});
    return sounds;
}

bool isPowerOfTwoIn64To256(int n) {
    return n == 64 || n == 128 || n == 256;
}

const int PeakLimit = 29204; // -1 dBFS of 16-bit full scale (32767 * 10^(-1/20))

TEST(AssetPictures, EveryCatalogueFileIsAnUncompressed24BitBmpOfTheRightSize) {
    for (const TextureEntry &entry : TextureCatalogue) {
        const std::string name = entry.file;
        SCOPED_TRACE(name);
        BmpFile bmp = readBmp(testDataDir() + "/" + name);
        ASSERT_TRUE(bmp.valid) << bmp.problem;
        if (name == "splashscreen.bmp") {
            EXPECT_GE(bmp.width, 640);
            EXPECT_GE(bmp.height, 480);
        } else {
            EXPECT_TRUE(isPowerOfTwoIn64To256(bmp.width)) << bmp.width;
            EXPECT_TRUE(isPowerOfTwoIn64To256(bmp.height)) << bmp.height;
        }
    }
}

TEST(AssetPictures, TheGamesLoaderReadsEveryPictureWithTheSamePixels) {
    for (const TextureEntry &entry : TextureCatalogue) {
        SCOPED_TRACE(entry.file);
        std::string path = testDataDir() + "/" + entry.file;
        BmpFile bmp = readBmp(path);
        ASSERT_TRUE(bmp.valid) << bmp.problem;
        ImageRecord *image = loadBmpImage(path.c_str());
        ASSERT_NE(image, nullptr);
        ASSERT_EQ(image->width, bmp.width);
        ASSERT_EQ(image->height, bmp.height);
        // The loader's first row is the bottom of the picture.
        int mismatches = 0;
        for (int y = 0; y < bmp.height; ++y)
            for (int x = 0; x < bmp.width; ++x)
                for (int ch = 0; ch < 3; ++ch) {
                    size_t at = (static_cast<size_t>(bmp.height - 1 - y) * bmp.width + x) * 3 + ch;
                    mismatches += image->pixels[at] != bmp.at(x, y, ch);
                }
        EXPECT_EQ(mismatches, 0);
        std::free(image->pixels);
        std::free(image);
    }
}

// Mean difference of the colours of two pixel columns (vertical) or rows.
double lineDifference(const BmpFile &bmp, int a, int b, bool columns) {
    const int length = columns ? bmp.height : bmp.width;
    double sum = 0;
    for (int i = 0; i < length; ++i)
        for (int ch = 0; ch < 3; ++ch) {
            int pa = columns ? bmp.at(a, i, ch) : bmp.at(i, a, ch);
            int pb = columns ? bmp.at(b, i, ch) : bmp.at(i, b, ch);
            sum += std::abs(pa - pb);
        }
    return sum / (length * 3);
}

// How much the seam (last line against the first) stands out from the picture's own
// neighbouring lines: about 1 when it repeats seamlessly.
double seamRatio(const BmpFile &bmp, bool columns) {
    const int lines = columns ? bmp.width : bmp.height;
    double inner = 0;
    for (int i = 0; i + 1 < lines; ++i)
        inner += lineDifference(bmp, i, i + 1, columns);
    inner /= lines - 1;
    return lineDifference(bmp, lines - 1, 0, columns) / std::max(inner, 0.5);
}

TEST(AssetPictures, TilesAndWrappedTexturesRepeatWithoutASeam) {
    // The ground tiles repeat both ways; these textures wrap round cylinders and cones.
    const char *const repeating[] = {
        "tiles/grass.bmp",    "tiles/dirt.bmp",      "tiles/water2a.bmp",
        "tiles/x.bmp",        "textures/bark64.bmp", "textures/hay2B.bmp",
        "textures/silo1.bmp", "textures/rock2.bmp",  "textures/tritree64.bmp"};
    for (const char *name : repeating) {
        SCOPED_TRACE(name);
        BmpFile bmp = readBmp(testDataDir() + "/" + name);
        ASSERT_TRUE(bmp.valid) << bmp.problem;
        EXPECT_LT(seamRatio(bmp, true), 1.6);
        EXPECT_LT(seamRatio(bmp, false), 1.6);
    }
}

TEST(AssetPictures, TheSeamMeasureNoticesAPictureThatDoesNotRepeat) {
    // The splash is a scene, sky at the top and meadow at the bottom: its rows must not
    // pass as a repeating texture, or the test above could not fail.
    BmpFile bmp = readBmp(testDataDir() + "/splashscreen.bmp");
    ASSERT_TRUE(bmp.valid) << bmp.problem;
    EXPECT_GT(seamRatio(bmp, false), 3.0);
}

TEST(AssetFont, ArialIsATrueTypeFont) {
    std::vector<unsigned char> font = readFile(testDataDir() + "/fonts/arial.ttf");
    ASSERT_GT(font.size(), 1000u);
    EXPECT_EQ(std::vector<unsigned char>(font.begin(), font.begin() + 4),
              (std::vector<unsigned char>{0, 1, 0, 0})); // the TrueType version tag
}

TEST(AssetSounds, EveryCatalogueFileIs16BitMonoPcmThatAlutReads) {
    ASSERT_EQ(alutInit(nullptr, nullptr), AL_TRUE) << alutGetErrorString(alutGetError());
    for (const CatalogueSound &sound : catalogueSounds()) {
        SCOPED_TRACE(sound.file);
        std::string path = testDataDir() + "/" + sound.file;
        WavFile wav = readWav(path);
        ASSERT_TRUE(wav.valid) << wav.problem;
        EXPECT_EQ(wav.format, 1); // PCM
        EXPECT_EQ(wav.channels, 1);
        EXPECT_EQ(wav.bitsPerSample, 16);
        EXPECT_TRUE(wav.sampleRate == 22050 || wav.sampleRate == 44100) << wav.sampleRate;

        ALenum format = 0;
        ALsizei size = 0;
        ALfloat frequency = 0;
        ALvoid *data = alutLoadMemoryFromFile(path.c_str(), &format, &size, &frequency);
        ASSERT_NE(data, nullptr) << alutGetErrorString(alutGetError());
        EXPECT_EQ(format, AL_FORMAT_MONO16);
        EXPECT_EQ(size, static_cast<ALsizei>(wav.samples.size() * 2));
        EXPECT_EQ(frequency, static_cast<ALfloat>(wav.sampleRate));
        std::free(data);
    }
    alutExit();
}

int peakOf(const WavFile &wav) {
    int peak = 0;
    for (std::int16_t s : wav.samples)
        peak = std::max(peak, std::abs(static_cast<int>(s)));
    return peak;
}

TEST(AssetSounds, PeaksAreNormalisedAtOrUnderOneDecibelBelowFullScale) {
    int loudest = 0;
    for (const CatalogueSound &sound : catalogueSounds()) {
        WavFile wav = readWav(testDataDir() + "/" + sound.file);
        ASSERT_TRUE(wav.valid) << sound.file << ": " << wav.problem;
        loudest = std::max(loudest, peakOf(wav));
    }
    for (const CatalogueSound &sound : catalogueSounds()) {
        SCOPED_TRACE(sound.file);
        int peak = peakOf(readWav(testDataDir() + "/" + sound.file));
        EXPECT_LE(peak, PeakLimit);
        EXPECT_GE(peak, loudest / 4); // none left far below the others (within 12 dB)
    }
}

// A sound as it plays from its start: a loop repeats, a one-shot is followed by silence.
double sampleAt(const WavFile &wav, bool loops, size_t i) {
    if (loops)
        return wav.samples[i % wav.samples.size()];
    return i < wav.samples.size() ? wav.samples[i] : 0;
}

// The highest peak of sounds started at the same moment and mixed.
int mixedPeak(const std::vector<Sound> &sounds) {
    std::vector<WavFile> files;
    size_t length = 0;
    for (Sound sound : sounds) {
        files.push_back(readWav(testDataDir() + "/" + soundFile(sound)));
        length = std::max(length, files.back().samples.size());
    }
    double peak = 0;
    for (size_t i = 0; i < length; ++i) {
        double sum = 0;
        for (size_t f = 0; f < files.size(); ++f)
            sum += sampleAt(files[f], soundLoops(sounds[f]), i);
        peak = std::max(peak, std::fabs(sum));
    }
    return static_cast<int>(peak);
}

TEST(AssetSounds, SoundsStartedInOneUpdateMixUnderOneDecibelBelowFullScaleOverTheAmbience) {
    // Each group starts in a single update of the game; the ambience loops under all of
    // play, at any point of its loop, so its own peak is added to the group's.
    using S = Sound;
    const std::vector<std::vector<Sound>> groups = {
        {S::CowSplashSoundSource, S::CowSonarSoundSource}, // a cow walks into the water
        {S::GameStart, S::Ambient},                        // play begins
        {S::InjectSyringe, S::Slowdown},                   // an injection
        {S::CowHBSoundSource, S::Hit, S::InjectSyringe,    // a lunge lands: the mover injects,
         S::Slowdown, S::SyringeBreak},                    // the victim's syringe breaks
        {S::CowChewSoundSource, S::HayYAYSoundSource, S::GameWon}, // the winning bale, at home
        {S::CowHBSoundSource, S::OpenGate},                        // a lunge into one's own gate
        {S::Cow1Jump, S::CowSplashSoundSource, S::CowSonarSoundSource}, // a jump from the bank
    };
    const int ambience = peakOf(readWav(testDataDir() + "/" + soundFile(Sound::Ambient)));
    for (const auto &group : groups) {
        SCOPED_TRACE(std::string(soundName(group.front())) + " and the rest of its group");
        bool withAmbience = std::find(group.begin(), group.end(), Sound::Ambient) == group.end();
        EXPECT_LE(mixedPeak(group) + (withAmbience ? ambience : 0), PeakLimit);
    }
}

TEST(AssetSounds, LoopsJoinWithoutAJumpAtTheSeam) {
    for (const CatalogueSound &sound : catalogueSounds()) {
        if (!sound.loops)
            continue;
        SCOPED_TRACE(sound.file);
        WavFile wav = readWav(testDataDir() + "/" + sound.file);
        ASSERT_TRUE(wav.valid) << wav.problem;
        const auto &s = wav.samples;
        const size_t n = s.size();
        ASSERT_GT(n, 2048u);
        // The step from the last sample to the first, against the steps on both sides of it.
        int local = 0;
        for (size_t i = 0; i < 256; ++i) {
            local = std::max(local, std::abs(s[i + 1] - s[i]));
            local = std::max(local, std::abs(s[n - 1 - i] - s[n - 2 - i]));
        }
        int seam = std::abs(s[0] - s[n - 1]);
        EXPECT_LE(seam, std::max(local, 64))
            << "seam step " << seam << ", local steps up to " << local;
        // The slope carries on too: the first sample is near the straight-line guess.
        int guess = 2 * s[n - 1] - s[n - 2];
        EXPECT_LE(std::abs(s[0] - guess), std::max(local, 64));
    }
}

TEST(AssetSounds, OneShotsAreShortAndStartAndEndInSilence) {
    int underTwoSeconds = 0, oneShots = 0;
    for (const CatalogueSound &sound : catalogueSounds()) {
        SCOPED_TRACE(sound.file);
        WavFile wav = readWav(testDataDir() + "/" + sound.file);
        ASSERT_TRUE(wav.valid) << wav.problem;
        if (sound.loops) {
            EXPECT_GE(wav.seconds(), 1.0);
            continue;
        }
        ++oneShots;
        EXPECT_LT(wav.seconds(), 3.0);
        underTwoSeconds += wav.seconds() < 2.0;
        // A sound restarted while playing must not click at its ends.
        EXPECT_LT(std::abs(wav.samples.front()), 300);
        EXPECT_LT(std::abs(wav.samples.back()), 300);
    }
    EXPECT_EQ(oneShots, SoundCount - 3);
    EXPECT_GE(underTwoSeconds, 20);
}

// Every file under root, as paths relative to it, sorted.
void relativeFiles(const std::filesystem::path &root, std::vector<std::string> &out) {
    for (const auto &entry : std::filesystem::recursive_directory_iterator(root))
        if (entry.is_regular_file())
            out.push_back(std::filesystem::relative(entry.path(), root).string());
    std::sort(out.begin(), out.end());
}

TEST(AssetGenerator, WritesTheSameBytesOnEveryRunAndMatchesTheDataFolder) {
    namespace fs = std::filesystem;
    fs::path base = fs::temp_directory_path() / ("pasturon-assets-" + std::to_string(::getpid()));
    fs::remove_all(base);
    for (const char *run : {"a", "b"}) {
        std::string command = std::string("'") + PASTURON_ASSETS_BIN + "' '" +
                              (base / run).string() + "' '" + PASTURON_TITLE_FONT + "'";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
    }
    std::vector<std::string> filesA, filesB;
    relativeFiles(base / "a", filesA);
    relativeFiles(base / "b", filesB);
    ASSERT_EQ(filesA, filesB);
    // the textures, the splash among them, and the sounds: nothing more, nothing less
    std::vector<std::string> catalogue;
    for (const TextureEntry &entry : TextureCatalogue)
        catalogue.push_back(entry.file);
    for (const CatalogueSound &sound : catalogueSounds())
        catalogue.push_back(sound.file);
    std::sort(catalogue.begin(), catalogue.end());
    EXPECT_EQ(filesA, catalogue);
    for (const std::string &f : filesA) {
        SCOPED_TRACE(f);
        std::vector<unsigned char> a = readFile((base / "a" / f).string());
        EXPECT_FALSE(a.empty());
        EXPECT_TRUE(a == readFile((base / "b" / f).string()));
        EXPECT_TRUE(a == readFile(testDataDir() + "/" + f)) << "the data folder is out of date";
    }
    fs::remove_all(base);
}

} // namespace
