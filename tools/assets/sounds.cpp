// sounds.cpp: every sound of the game, synthesised: moos, chewing, water, power-ups, knocks,
// fanfares, the morning ambience and the intro tune.
#include "assets.h"
#include "audio/sound.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "synth.h"

namespace {

// The rules start several sounds in one update (a splash with the sonar; a head-butt's
// whoosh, knock, injection, groan and breaking glass), all over the ambience: every file
// keeps this much room under its solo level, so that no such group, mixed, reaches -1 dBFS.
const double MixHeadroomDb = 8.5;
const double PeakDb = -1.5 - MixHeadroomDb;    // dBFS: where every file peaks...
const double AmbientDb = -7.5 - MixHeadroomDb; // ...but the ambience, a quiet bed under the round
const double MaxRmsDb = -14 - MixHeadroomDb; // dBFS: dense sounds turned down to the others' level

// Vowels as three formants (Hz, bandwidth Hz, gain).
const Vowel Hum{{{250, 90, 1.0}, {1000, 200, 0.04}, {2400, 300, 0.01}}}; // closed lips: "mm"
const Vowel Oo{{{330, 90, 1.0}, {820, 110, 0.45}, {2400, 200, 0.06}}};
const Vowel Aw{{{600, 110, 1.0}, {900, 120, 0.7}, {2450, 200, 0.12}}};
const Vowel Ah{{{760, 120, 1.0}, {1150, 130, 0.6}, {2500, 200, 0.12}}};
const Vowel Eh{{{520, 100, 1.0}, {1800, 150, 0.45}, {2500, 200, 0.2}}};
const Vowel Ee{{{290, 80, 1.0}, {2250, 160, 0.35}, {3000, 220, 0.2}}};

double smooth(double t) {
    t = std::clamp(t, 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

using Knot = std::pair<double, double>; // (time, value) of a contour

// A value that moves through the points from `first` to `last` with smooth steps between them.
double contour(double t, const Knot *first, const Knot *last) {
    const Knot *prev = first;
    if (t <= prev->first)
        return prev->second;
    for (const Knot *p = first + 1; p != last; ++p) {
        if (t <= p->first)
            return prev->second + (p->second - prev->second) *
                                      smooth((t - prev->first) / (p->first - prev->first));
        prev = p;
    }
    return prev->second;
}

double contour(double t, std::initializer_list<Knot> points) {
    return contour(t, points.begin(), points.end());
}

double contour(double t, const std::vector<Knot> &points) {
    return contour(t, points.data(), points.data() + points.size());
}

// Slow random drift around 1 (pitch jitter), repeatable from a seed.
class Drift {
  public:
    Drift(std::uint64_t seed, double depth) : depth(depth) {
        Rng rng(seed);
        for (double &p : phase)
            p = rng.range(0, 2 * M_PI);
    }
    double at(double t) const {
        return 1 + depth * (0.5 * std::sin(2 * M_PI * 2.1 * t + phase[0]) +
                            0.3 * std::sin(2 * M_PI * 3.7 * t + phase[1]) +
                            0.2 * std::sin(2 * M_PI * 7.3 * t + phase[2]));
    }

  private:
    double depth;
    double phase[3];
};

// A cow's moo: lips closed ("mm"), opening to a broad vowel, closing again as it fades.
struct Moo {
    double seconds;
    double startHz, peakHz, endHz; // pitch contour
    double formantScale;           // below 1 for a bigger animal
    Vowel open;                    // the vowel in the middle of the moo
    std::uint64_t seed;
};

Signal moo(const Moo &m) {
    Drift drift(m.seed, 0.025);
    const double len = m.seconds;
    Signal s = voice(
        len,
        [&](double t) {
            double u = t / len;
            double hz = contour(u, {{0, m.startHz}, {0.3, m.peakHz}, {1, m.endHz}});
            return hz * drift.at(t) * (1 + 0.012 * std::sin(2 * M_PI * 5.5 * t) * smooth(u * 3));
        },
        [&](double t) {
            double u = t / len;
            Vowel v = u < 0.5 ? blendVowels(Hum, m.open, smooth((u - 0.06) / 0.2))
                              : blendVowels(m.open, Oo, smooth((u - 0.7) / 0.3));
            return shiftVowel(v, m.formantScale);
        },
        [&](double t) {
            double u = t / len;
            return contour(u, {{0, 0}, {0.08, 0.55}, {0.3, 1}, {0.75, 0.85}, {1, 0}});
        });
    // A little breath through the nose and a growl of the throat.
    Rng rng(m.seed + 1);
    Signal breath = noise(len, rng);
    Filter band(Filter::BandPass, 1400 * m.formantScale, 1.5);
    for (size_t i = 0; i < s.size(); ++i) {
        double t = static_cast<double>(i) / SampleRate;
        double level = contour(t / len, {{0, 0}, {0.1, 1}, {0.8, 0.7}, {1, 0}});
        s[i] = s[i] * (1 + 0.18 * std::sin(2 * M_PI * m.peakHz * 0.5 * t)) +
               0.06 * level * band.run(breath[i]);
    }
    return s;
}

Signal cowOne(bool big) {
    if (big)
        return moo({1.7, 72, 88, 62, 0.82, Aw, 201});
    return moo({1.25, 108, 132, 92, 1.0, Aw, 202});
}

Signal cowTwo(bool big) {
    if (big)
        return moo({1.5, 105, 125, 84, 0.88, Ah, 211});
    return moo({1.0, 165, 205, 150, 1.12, Ah, 212});
}

// Chewing hay: four bites, each a soft thump of the jaw and a crackle of dry stalks
// snapping one after another.
Signal chew() {
    Signal s = silence(0.8);
    Rng rng(221);
    for (int bite = 0; bite < 4; ++bite) {
        double start = bite * 0.17 + rng.range(0, 0.02);
        mixAt(s, strike(0.1, {{95, 1, 0.035}, {180, 0.5, 0.02}}), start, 0.6);
        for (int g = 0; g < 10; ++g) {
            double len = rng.range(0.004, 0.012);
            Filter band(Filter::BandPass, rng.range(900, 2600), 2.0);
            Signal grain = noise(len, rng);
            for (size_t i = 0; i < grain.size(); ++i)
                grain[i] = band.run(grain[i]) * std::exp(-4.0 * i / grain.size());
            double at = start + 0.1 * std::pow(rng.unit(), 1.5);
            double gain = rng.range(0.5, 1.4) * (1 - 0.15 * bite);
            mixAt(s, grain, at, gain);
        }
    }
    Filter soften(Filter::LowPass, 4500, 0.7);
    for (double &v : s)
        v = soften.run(v);
    return s;
}

// A ping under water: a clear tone and two fainter echoes, as one seamless loop.
Signal sonarLoop() {
    Signal s = silence(1.6);
    Signal ping = render(1.2, [](double t) {
        return attackDecay(t, 0.004, 0.22) *
               (std::sin(2 * M_PI * 1250 * t) + 0.15 * std::sin(2 * M_PI * 2500 * t) +
                0.3 * std::sin(2 * M_PI * 1262 * t));
    });
    mixAt(s, ping, 0, 1, true);
    mixAt(s, ping, 0.42, 0.32, true);
    mixAt(s, ping, 0.84, 0.1, true);
    return s;
}

// Droplets: short rising "plip" tones.
Signal droplet(double hz) {
    return render(0.09, [hz](double t) {
        double f = hz * (1 + 1.2 * std::min(1.0, t / 0.03));
        return attackDecay(t, 0.002, 0.025) * std::sin(2 * M_PI * f * t * 0.75);
    });
}

Signal splash() {
    Rng rng(231);
    Signal s = noise(0.9, rng);
    Filter low(Filter::LowPass, 6000, 0.8);
    for (size_t i = 0; i < s.size(); ++i) {
        double t = static_cast<double>(i) / SampleRate;
        low.tune(6000 * std::exp(-t / 0.18) + 500, 0.8);
        s[i] = low.run(s[i]) * attackDecay(t, 0.01, 0.16);
    }
    for (int i = 0; i < 14; ++i) {
        double hz = rng.range(500, 1100), at = rng.range(0.08, 0.7), gain = rng.range(0.15, 0.4);
        mixAt(s, droplet(hz), at, gain);
    }
    return s;
}

Signal outOfWater() {
    Rng rng(241);
    Signal s = noise(0.8, rng);
    Filter low(Filter::LowPass, 2500, 0.7);
    for (size_t i = 0; i < s.size(); ++i) {
        double t = static_cast<double>(i) / SampleRate;
        s[i] = low.run(s[i]) * 0.35 * attackDecay(t, 0.02, 0.08);
    }
    const double drips[] = {0.12, 0.3, 0.41, 0.62};
    for (double d : drips) {
        double hz = rng.range(700, 1300), gain = rng.range(0.5, 0.8);
        mixAt(s, droplet(hz), d, gain);
    }
    return s;
}

// A square-ish tone (odd harmonics) at a changing pitch.
Signal squareTone(double seconds, const std::function<double(double t)> &hz,
                  const std::function<double(double t)> &level) {
    return additive(
        seconds, hz, [&](int k, double t) { return k % 2 ? level(t) / k : 0.0; }, 6000);
}

// Power up (rising) or down (falling): a stepped arpeggio over a smooth sweep with vibrato.
Signal powerSweep(bool up) {
    const double len = 0.75;
    const int steps[] = {0, 4, 7, 12, 16, 19, 24, 28};
    auto step = [&](double t) {
        int i = std::min(7, static_cast<int>(t / len * 8));
        return up ? steps[i] : steps[7 - i];
    };
    Signal s = squareTone(
        len, [&](double t) { return midiHz(72 + step(t)); },
        [&](double t) { return 0.35 * gate(t, 0.005, len - 0.1, 0.1); });
    Signal sweep = render(len, [&](double t) {
        double u = up ? t / len : 1 - t / len;
        double hz = 260 * std::pow(6.0, u) * (1 + 0.03 * std::sin(2 * M_PI * 14 * t));
        return gate(t, 0.01, len - 0.15, 0.15) * std::sin(2 * M_PI * hz * t);
    });
    // The sweep's phase is taken from time times a changing pitch; keep it gentle so the
    // chirp stays smooth.
    mixInto(s, sweep, 0, 0.5);
    return s;
}

// The whoosh of a head-butt lunge: air rushing through a band that sweeps up and down.
Signal whoosh() {
    Rng rng(251);
    Signal s = noise(0.42, rng);
    Filter band(Filter::BandPass, 400, 1.3);
    for (size_t i = 0; i < s.size(); ++i) {
        double t = static_cast<double>(i) / SampleRate;
        band.tune(contour(t, {{0, 350}, {0.12, 1900}, {0.42, 450}}), 1.3);
        s[i] = band.run(s[i]) * contour(t, {{0, 0}, {0.03, 0.7}, {0.12, 1}, {0.42, 0}});
    }
    return s;
}

// A head-butt landing: a deep falling thud, a smack and a hollow knock.
Signal hitThud() {
    Oscillator body;
    Signal s = render(0.55, [&](double t) {
        double hz = 45 + 95 * std::exp(-t / 0.06);
        return attackDecay(t, 0.003, 0.13) * body.next(hz);
    });
    Rng rng(261);
    Signal smack = noise(0.03, rng);
    Filter low(Filter::LowPass, 2200, 0.7);
    for (size_t i = 0; i < smack.size(); ++i)
        smack[i] = low.run(smack[i]) * (1 - static_cast<double>(i) / smack.size());
    mixInto(s, smack, 0, 0.6);
    mixInto(s, strike(0.2, {{520, 1, 0.05}, {1380, 0.4, 0.025}}), 0, 0.35);
    return s;
}

// A crowd cheering "yay" with a patter of clapping.
Signal cheer() {
    Signal s = silence(1.7);
    Rng rng(271);
    for (int v = 0; v < 7; ++v) {
        double base = rng.range(190, 330), len = rng.range(0.85, 1.15);
        double scaleF = rng.range(0.95, 1.15);
        Drift drift(280 + static_cast<std::uint64_t>(v), 0.03);
        Signal yay = voice(
            len,
            [&](double t) {
                double u = t / len;
                return base * drift.at(t) * contour(u, {{0, 0.9}, {0.25, 1.25}, {1, 0.95}});
            },
            [&](double t) {
                double u = t / len;
                Vowel v1 = blendVowels(Ee, Eh, smooth(u / 0.15));
                return shiftVowel(blendVowels(v1, Ee, smooth((u - 0.6) / 0.35)), scaleF);
            },
            [&](double t) {
                return contour(t / len, {{0, 0}, {0.1, 1}, {0.7, 0.8}, {1, 0}});
            });
        double at = rng.range(0, 0.15), gain = rng.range(0.6, 1.0);
        mixAt(s, yay, at, gain);
    }
    for (int c = 0; c < 46; ++c) {
        Signal clap = noise(0.02, rng);
        Filter band(Filter::BandPass, rng.range(900, 1600), 1.0);
        for (size_t i = 0; i < clap.size(); ++i)
            clap[i] = band.run(clap[i]) * std::exp(-static_cast<double>(i) / (0.004 * SampleRate));
        double at = rng.range(0.1, 1.5), gain = rng.range(0.5, 1.2);
        mixAt(s, clap, at, gain);
    }
    return s;
}

// --- Birds of the morning ambience: a few kinds of singer, each with its own song. ---

// One note of a song: a whistle gliding through (fraction of the note, Hz) points, with a
// little of its second and third harmonic, an optional flutter of its loudness and a rasp.
struct Syllable {
    double seconds;
    std::vector<Knot> hz;                      // pitch contour; fraction 0..1 of the note
    double harmonic2 = 0.08, harmonic3 = 0.02; // levels against the fundamental
    double flutterHz = 0, flutterDepth = 0;    // a quick tremble of the loudness
    double raspHz = 0, rasp = 0;               // a buzz that roughens the tone (0 for none)
    double level = 1;
    double attack = 0.15, release = 0.3; // fractions of the note
};

Signal sing(const Syllable &n, Rng &rng) {
    Drift drift(rng.next(), 0.01);
    double phase = 0, raspPhase = 0;
    const double len = n.seconds;
    return render(len, [&](double t) {
        double u = t / len;
        double hz = contour(u, n.hz) * drift.at(t * 6);
        phase += hz / SampleRate;
        raspPhase += n.raspHz / SampleRate;
        double tone = std::sin(2 * M_PI * phase);
        if (2 * hz < 10000) // no partial past what the sample rate holds
            tone += n.harmonic2 * std::sin(4 * M_PI * phase);
        if (3 * hz < 10000)
            tone += n.harmonic3 * std::sin(6 * M_PI * phase);
        double env = smooth(u / n.attack) * smooth((1 - u) / n.release);
        double flutter = 1 - n.flutterDepth * (0.5 + 0.5 * std::cos(2 * M_PI * n.flutterHz * t));
        double buzz = 1 - n.rasp * (0.5 + 0.5 * std::sin(2 * M_PI * raspPhase));
        return n.level * env * flutter * buzz * tone;
    });
}

// Notes one after another, each followed by its gap in seconds.
Signal phrase(const std::vector<std::pair<Syllable, double>> &notes, Rng &rng) {
    double length = 0;
    for (const auto &[note, gap] : notes)
        length += note.seconds + gap;
    Signal s = silence(length);
    double at = 0;
    for (const auto &[note, gap] : notes) {
        mixAt(s, sing(note, rng), at, 1);
        at += note.seconds + gap;
    }
    return s;
}

// A robin: a carolling phrase of varied whistles, no two alike, high and thin.
Signal robin(double pitch, Rng &rng) {
    std::vector<std::pair<Syllable, double>> notes;
    int count = 5 + rng.below(4);
    for (int i = 0; i < count; ++i) {
        double base = pitch * rng.range(2600, 4200), top = base * rng.range(1.2, 1.6);
        double len = rng.range(0.05, 0.16), gap = rng.range(0.03, 0.09);
        double level = rng.range(0.5, 1.0);
        Syllable n{len, {}};
        switch (rng.below(4)) {
        case 0: // up-slur
            n.hz = {{0, base}, {1, top}};
            break;
        case 1: // down-slur
            n.hz = {{0, top}, {1, base}};
            break;
        case 2: // a chevron, up and back down
            n.hz = {{0, base}, {0.45, top}, {1, base * 0.95}};
            break;
        default: // a quick tremolo on one pitch
            n.hz = {{0, base * 1.05}, {1, base}};
            n.flutterHz = rng.range(40, 70);
            n.flutterDepth = 0.8;
            break;
        }
        n.level = level;
        notes.push_back({n, gap});
    }
    return phrase(notes, rng);
}

// A chaffinch: a trill that runs down the scale and speeds up, then a flourish.
Signal chaffinch(double pitch, Rng &rng) {
    std::vector<std::pair<Syllable, double>> notes;
    int count = 8 + rng.below(5);
    double interval = rng.range(0.09, 0.11);
    for (int i = 0; i < count; ++i) {
        double u = static_cast<double>(i) / count;
        double hz = pitch * (5600 - 2000 * u);
        Syllable n{interval * 0.6, {{0, hz * 1.15}, {1, hz * 0.85}}};
        n.level = 0.6 + 0.4 * u;
        notes.push_back({n, interval * 0.4});
        interval *= 0.95;
    }
    double flourish = pitch * rng.range(2800, 3200);
    Syllable end{0.22, {{0, flourish}, {0.35, flourish * 1.55}, {1, flourish * 0.8}}};
    end.harmonic2 = 0.15;
    notes.push_back({end, 0});
    return phrase(notes, rng);
}

// A great tit: "tea-cher, tea-cher, tea-cher", a high note and a low one, over and over.
Signal greatTit(double pitch, Rng &rng) {
    std::vector<std::pair<Syllable, double>> notes;
    int pairs = 3 + rng.below(3);
    double high = pitch * rng.range(5200, 6200), low = pitch * rng.range(3300, 3900);
    for (int i = 0; i < pairs; ++i) {
        Syllable tea{0.08, {{0, high}, {1, high * 0.97}}};
        Syllable cher{0.11, {{0, low * 1.04}, {1, low * 0.96}}};
        tea.harmonic2 = cher.harmonic2 = 0.05;
        notes.push_back({tea, 0.04});
        notes.push_back({cher, rng.range(0.1, 0.14)});
    }
    return phrase(notes, rng);
}

// A sparrow: a few husky "cheep"s, rich in harmonics and rough.
Signal sparrow(double pitch, Rng &rng) {
    std::vector<std::pair<Syllable, double>> notes;
    int count = 2 + rng.below(4);
    for (int i = 0; i < count; ++i) {
        double hz = pitch * rng.range(2800, 3400);
        Syllable cheep{rng.range(0.07, 0.11), {{0, hz}, {0.3, hz * 1.4}, {1, hz * 1.05}}};
        cheep.harmonic2 = 0.4;
        cheep.harmonic3 = 0.12;
        cheep.raspHz = rng.range(180, 320);
        cheep.rasp = 0.5;
        cheep.attack = 0.08;
        cheep.level = rng.range(0.6, 1.0);
        notes.push_back({cheep, rng.range(0.08, 0.22)});
    }
    return phrase(notes, rng);
}

// A blackbird: a slow, mellow fluted warble low in the range, then a soft high twitter.
Signal blackbird(double pitch, Rng &rng) {
    std::vector<std::pair<Syllable, double>> notes;
    int count = 3 + rng.below(3);
    for (int i = 0; i < count; ++i) {
        double a = pitch * rng.range(1500, 2300), b = pitch * rng.range(1600, 2800);
        double c = pitch * rng.range(1400, 2400), len = rng.range(0.16, 0.32);
        Syllable n{len, {{0, a}, {0.5, b}, {1, c}}};
        n.harmonic2 = 0.2;
        n.harmonic3 = 0.06;
        n.flutterHz = rng.range(18, 30);
        n.flutterDepth = 0.25;
        n.level = rng.range(0.7, 1.0);
        notes.push_back({n, rng.range(0.05, 0.12)});
    }
    int twitters = 3 + rng.below(4);
    for (int i = 0; i < twitters; ++i) {
        double hz = pitch * rng.range(5000, 6500);
        Syllable t{0.03, {{0, hz}, {1, hz * 0.8}}};
        t.level = 0.35;
        notes.push_back({t, 0.025});
    }
    return phrase(notes, rng);
}

// A cuckoo far off: "cuck-oo", a falling third, each note sagging as it fades.
Signal cuckoo(double pitch, Rng &rng) {
    Syllable cu{0.2, {{0, 720 * pitch}, {1, 680 * pitch}}};
    Syllable koo{0.34, {{0, 590 * pitch}, {1, 545 * pitch}}};
    cu.harmonic2 = koo.harmonic2 = 0.06;
    cu.attack = koo.attack = 0.2;
    koo.release = 0.5;
    return phrase({{cu, 0.1}, {koo, 0}}, rng);
}

// A song heard from `distance` (about 1 near .. 4 far): quieter, duller and with the
// echoes of the farmyard (barn, trees) trailing behind it.
Signal heardFrom(const Signal &song, double distance, Rng &rng) {
    Signal out = silence(static_cast<double>(song.size()) / SampleRate + 0.35);
    Filter air(Filter::LowPass, 9000 / distance, 0.7);
    Signal dull(song.size());
    for (size_t i = 0; i < song.size(); ++i)
        dull[i] = air.run(song[i]);
    mixInto(out, dull, 0, 1 / distance);
    // many faint reflections, dying away over about a fifth of a second, and duller still
    Filter soft(Filter::LowPass, 3500, 0.7);
    Signal echo(dull.size());
    for (size_t i = 0; i < dull.size(); ++i)
        echo[i] = soft.run(dull[i]);
    for (int e = 0; e < 10; ++e) {
        double delay = 0.02 + 0.03 * e + rng.range(0, 0.02);
        double gain = 0.22 * std::exp(-delay / 0.09) * std::sqrt(distance) / distance;
        mixAt(out, echo, delay, gain);
    }
    return out;
}

using Song = Signal (*)(double pitch, Rng &rng);

// A singer on its perch: its kind, how far off it is, and when it starts each song.
struct Singer {
    Song song;
    double distance;
    std::vector<double> songsAt; // seconds into the loop
};

// A morning in the fields: a soft breeze that swells twice, and birds singing round the farm.
Signal morningLoop() {
    const double len = 12.0;
    Rng rng(291);
    Signal air = noise(len, rng);
    Signal breeze = filterLoop(air, Filter(Filter::LowPass, 420, 0.7));
    Signal rustle = filterLoop(air, Filter(Filter::BandPass, 1300, 0.8));
    Signal s = silence(len);
    for (size_t i = 0; i < s.size(); ++i) {
        double u = static_cast<double>(i) / s.size(); // whole cycles across the loop
        double swell =
            0.55 + 0.3 * std::sin(2 * M_PI * 2 * u) + 0.15 * std::sin(2 * M_PI * 5 * u + 1);
        s[i] = 1.6 * breeze[i] * swell + 0.05 * rustle[i] * swell * swell;
    }
    const Singer singers[] = {
        {robin, 1.6, {0.4, 4.3, 8.1}},    // in the hedge
        {chaffinch, 2.2, {2.1, 9.4}},     // in the orchard
        {greatTit, 1.4, {6.1}},           // on the fence
        {sparrow, 1.3, {1.5, 5.4, 11.2}}, // under the barn's eaves
        {blackbird, 2.4, {10.1}},         // on the barn roof
        {cuckoo, 2.5, {3.0, 7.0}},        // far off in the wood
    };
    Rng birds(292);
    for (const Singer &singer : singers)
        for (double at : singer.songsAt) {
            double pitch = birds.range(0.97, 1.03); // never twice quite the same
            Signal song = singer.song(pitch, birds);
            mixAt(s, heardFrom(song, singer.distance, birds), at, 0.4, true);
        }
    return s;
}

// Chain links rattling against a gate: a cluster of small bright clinks.
Signal chainJingle() {
    Signal s = silence(0.8);
    Rng rng(301);
    for (int i = 0; i < 30; ++i) {
        double hz = rng.range(2000, 4200), decay = rng.range(0.025, 0.06);
        Signal clink = strike(0.25, {{hz, 1, decay},
                                     {hz * 1.48, 0.6, decay * 0.8},
                                     {hz * 2.27, 0.35, decay * 0.6},
                                     {hz * 3.1, 0.2, decay * 0.5}});
        double at = 0.55 * std::pow(rng.unit(), 1.6), gain = rng.range(0.3, 1.0);
        mixAt(s, clink, at, gain);
    }
    return s;
}

// A metal latch: a clank with the modes of a struck bar.
Signal clank(double hz) {
    return strike(
        0.5,
        {{hz, 1, 0.22}, {hz * 2.76, 0.6, 0.1}, {hz * 5.4, 0.35, 0.05}, {hz * 8.93, 0.2, 0.03}});
}

// A hinge creaking: a train of clicks ringing through wood, the clicks speeding from
// `fromHz` to `toHz`.
Signal creak(double seconds, double fromHz, double toHz) {
    Signal s = silence(seconds);
    Filter body1(Filter::BandPass, 900, 7), body2(Filter::BandPass, 1700, 9);
    double phase = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        double t = static_cast<double>(i) / SampleRate;
        double rate = fromHz + (toHz - fromHz) * t / seconds;
        phase += rate / SampleRate;
        double click = 0;
        if (phase >= 1) {
            phase -= 1;
            click = 1;
        }
        s[i] = (body1.run(click) + 0.6 * body2.run(click)) * gate(t, 0.05, seconds - 0.12, 0.1);
    }
    return s;
}

Signal gateOpen() {
    Signal s = silence(0.8);
    mixAt(s, clank(420), 0, 0.8);
    mixAt(s, creak(0.55, 35, 70), 0.08, 3.0);
    return s;
}

Signal gateClose() {
    Signal s = silence(0.9);
    mixAt(s, creak(0.3, 70, 40), 0, 3.0);
    mixAt(s, clank(300), 0.28, 1.0);
    mixAt(s, clank(310), 0.4, 0.35);
    return s;
}

// Glass breaking: a sharp crack, then shards tinkling down.
Signal glassBreak() {
    Signal s = silence(0.9);
    Rng rng(311);
    Signal crack = noise(0.04, rng);
    Filter high(Filter::HighPass, 2200, 0.7);
    for (size_t i = 0; i < crack.size(); ++i)
        crack[i] = high.run(crack[i]) * std::exp(-static_cast<double>(i) / (0.008 * SampleRate));
    mixInto(s, crack, 0, 1.2);
    for (int i = 0; i < 40; ++i) {
        double hz = rng.range(2500, 7000), decay = rng.range(0.03, 0.12);
        Signal shard = strike(
            0.4, {{hz, 1, decay}, {hz * 2.32, 0.5, decay * 0.7}, {hz * 1.41, 0.4, decay * 0.8}});
        double at = 0.6 * std::pow(rng.unit(), 2.0);
        mixAt(s, shard, at, rng.range(0.15, 0.5) * (1 - at));
    }
    return s;
}

// A syringe squirting: a hiss with a little liquid whistle.
Signal squirt() {
    Rng rng(321);
    Signal s = noise(0.45, rng);
    Filter band(Filter::BandPass, 4000, 1.5);
    Oscillator whistle;
    for (size_t i = 0; i < s.size(); ++i) {
        double t = static_cast<double>(i) / SampleRate;
        band.tune(4500 - 2500 * t, 1.5);
        double env = gate(t, 0.01, 0.22, 0.2);
        double liquid = whistle.next(1400 + 2000 * std::min(t, 0.2)) *
                        (0.6 + 0.4 * std::sin(2 * M_PI * 30 * t)) * gate(t, 0.02, 0.15, 0.08);
        s[i] = band.run(s[i]) * env + 0.12 * liquid;
    }
    return s;
}

// Picking something up: two quick rising notes.
Signal pickupBlip() {
    Signal s = squareTone(
        0.22, [](double t) { return t < 0.06 ? midiHz(83) : midiHz(88); },
        [](double t) {
            return t < 0.06 ? gate(t, 0.003, 0.05, 0.008) : attackDecay(t - 0.06, 0.003, 0.05);
        });
    return s;
}

// A sequence of brass notes (MIDI note, start, length), optionally over held chord notes.
struct Note {
    double midi, start, length;
};

Signal brassPhrase(double seconds, const std::vector<Note> &notes, double gain = 1.0) {
    Signal s = silence(seconds);
    for (const Note &n : notes)
        mixAt(s, brass(midiHz(n.midi), n.length), n.start, gain);
    return s;
}

// A kettle drum roll hit and a soft cymbal.
Signal timpani(double hz) {
    Oscillator o;
    return render(1.2, [&](double t) {
        return attackDecay(t, 0.004, 0.35) * o.next(hz * (1 + 0.08 * std::exp(-t / 0.05)));
    });
}

Signal cymbal(double seconds, Rng &rng) {
    Signal s = noise(seconds, rng);
    Filter high(Filter::HighPass, 5000, 0.7);
    for (size_t i = 0; i < s.size(); ++i)
        s[i] = high.run(s[i]) * attackDecay(static_cast<double>(i) / SampleRate, 0.005, 0.35);
    return s;
}

// The start of a round: a bugle call up the major chord.
Signal startRound() {
    Signal s = brassPhrase(1.4, {{67, 0, 0.1},
                                 {72, 0.13, 0.1},
                                 {76, 0.26, 0.1},
                                 {79, 0.39, 0.55},
                                 {72, 0.39, 0.55},
                                 {64, 0.39, 0.55}});
    mixAt(s, timpani(midiHz(43)), 0.39, 0.8);
    return s;
}

// Victory: a fanfare that climbs to a long chord, with drum and cymbal.
Signal winFanfare() {
    Signal s = brassPhrase(2.8, {{67, 0, 0.14},
                                 {67, 0.17, 0.14},
                                 {67, 0.34, 0.14},
                                 {72, 0.51, 0.32},
                                 {76, 0.86, 0.14},
                                 {79, 1.03, 1.2},
                                 {76, 1.03, 1.2},
                                 {72, 1.03, 1.2},
                                 {60, 1.03, 1.2}});
    Rng rng(331);
    mixAt(s, timpani(midiHz(36)), 0.51, 0.6);
    mixAt(s, timpani(midiHz(43)), 1.03, 0.9);
    mixAt(s, cymbal(1.6, rng), 1.03, 0.35);
    return s;
}

// Hay stolen: a muted brass "uh-oh" falling by a tritone; even its first instant sounds
// like an alarm, since it restarts every frame while the thief stands there.
Signal stolenSting() {
    Signal s = brassPhrase(0.5, {{71, 0, 0.1}, {65, 0, 0.1}, {70, 0.12, 0.22}, {64, 0.12, 0.22}});
    Filter low(Filter::LowPass, 1800, 0.7);
    for (double &v : s)
        v = low.run(v);
    return s;
}

// A full cow: a closed-mouth grunt, then a puff of breath.
Signal fullGrunt() {
    Signal s = voice(
        0.32, [](double t) { return 98 - 40 * t; },
        [](double t) { return blendVowels(Hum, Oo, smooth(t / 0.2) * 0.6); },
        [](double t) { return gate(t, 0.03, 0.2, 0.1); });
    Rng rng(341);
    Signal puff = noise(0.2, rng);
    Filter low(Filter::LowPass, 1500, 0.7);
    for (size_t i = 0; i < puff.size(); ++i)
        puff[i] = low.run(puff[i]) * gate(static_cast<double>(i) / SampleRate, 0.01, 0.05, 0.14);
    Signal out = silence(0.55);
    mixInto(out, s, 0, 1);
    mixAt(out, puff, 0.3, 0.5);
    return out;
}

// Slowed down: a groan that sags in pitch like a record running down.
Signal slowdownGroan() {
    const double len = 1.3;
    return voice(
        len, [&](double t) { return 190 * std::pow(55.0 / 190, t / len); },
        [&](double t) { return shiftVowel(blendVowels(Aw, Oo, t / len), 1 - 0.25 * t / len); },
        [&](double t) { return gate(t, 0.04, len - 0.35, 0.3); });
}

// --- The intro tune: 8 bars at 120 beats a minute, played as a seamless loop. ---

const double Eighth = 0.25; // seconds

// The lead: a soft whistle-like tone doubled by a mallet.
Signal leadNote(double hz, double length) {
    Signal s = render(length + 0.3, [&](double t) {
        double vib = 1 + 0.006 * std::sin(2 * M_PI * 5.5 * t) * std::min(1.0, t / 0.2);
        double env = gate(t, 0.015, length - 0.04, 0.12);
        return env * (std::sin(2 * M_PI * hz * vib * t) + 0.25 * std::sin(4 * M_PI * hz * vib * t) +
                      0.08 * std::sin(6 * M_PI * hz * t));
    });
    mixInto(s, strike(length + 0.3, {{hz, 0.7, 0.35}, {hz * 4, 0.2, 0.05}, {hz * 10, 0.05, 0.015}}),
            0, 0.6);
    return s;
}

Signal bassNote(double hz) {
    return render(0.5, [hz](double t) {
        return attackDecay(t, 0.006, 0.3) * gate(t, 0, 0.4, 0.08) *
               (std::sin(2 * M_PI * hz * t) + 0.45 * std::sin(4 * M_PI * hz * t) +
                0.15 * std::sin(6 * M_PI * hz * t));
    });
}

Signal chordStab(const std::vector<double> &midi) {
    Signal s = silence(0.3);
    for (double m : midi)
        mixInto(s, strike(0.3, {{midiHz(m), 1, 0.12}, {midiHz(m) * 2, 0.25, 0.05}}), 0, 1);
    return s;
}

Signal shakerTick(Rng &rng) {
    Signal s = noise(0.05, rng);
    Filter high(Filter::HighPass, 6000, 0.7);
    for (size_t i = 0; i < s.size(); ++i)
        s[i] = high.run(s[i]) * attackDecay(static_cast<double>(i) / SampleRate, 0.003, 0.012);
    return s;
}

Signal introLoop() {
    // Melody: (MIDI note, length in eighths); 0 is a rest. Eight bars of eight eighths.
    const std::pair<int, int> melody[] = {
        {76, 2}, {79, 2}, {76, 1}, {72, 1}, {74, 1}, {76, 1}, // C
        {77, 2}, {81, 2}, {79, 1}, {77, 1}, {76, 1}, {74, 1}, // F
        {74, 2}, {79, 2}, {71, 2}, {74, 2},                   // G
        {72, 1}, {76, 1}, {79, 1}, {76, 1}, {72, 4},          // C
        {81, 2}, {76, 2}, {81, 1}, {83, 1}, {84, 1}, {81, 1}, // Am
        {77, 2}, {81, 2}, {84, 2}, {81, 2},                   // F
        {79, 1}, {77, 1}, {76, 1}, {74, 1}, {71, 2}, {74, 2}, // G
        {72, 2}, {67, 2}, {72, 3}, {0, 1},                    // C
    };
    // Chord roots per bar and their triads.
    const int roots[8] = {48, 53, 55, 48, 57, 53, 55, 48};
    const int thirds[8] = {4, 4, 4, 4, 3, 4, 4, 4};
    Signal s = silence(64 * Eighth);
    double t = 0;
    for (const auto &[note, eighths] : melody) {
        if (note)
            mixAt(s, leadNote(midiHz(note), eighths * Eighth * 0.92), t, 0.5, true);
        t += eighths * Eighth;
    }
    Rng rng(351);
    for (int bar = 0; bar < 8; ++bar) {
        double barStart = bar * 8 * Eighth;
        int r = roots[bar];
        for (int beat = 0; beat < 4; ++beat) {
            int bassMidi = beat % 2 ? r - 5 : r - 12; // root, fifth below, root, fifth below
            mixAt(s, bassNote(midiHz(bassMidi)), barStart + beat * 2 * Eighth, 0.55, true);
            if (beat % 2)
                mixAt(s,
                      chordStab({static_cast<double>(r + 12),
                                 static_cast<double>(r + 12 + thirds[bar]),
                                 static_cast<double>(r + 19)}),
                      barStart + beat * 2 * Eighth, 0.16, true);
            mixAt(s, shakerTick(rng), barStart + (beat * 2 + 1) * Eighth, 0.12, true);
        }
    }
    return s;
}

// How one sound of the catalogue is made, and the peak it is normalised to.
struct SoundRecipe {
    Sound sound;
    std::function<Signal()> make;
    double peakDb = PeakDb;
};

const SoundRecipe Recipes[] = {
    {Sound::SplashScreen, introLoop},
    {Sound::Cow1Jump, [] { return cowOne(false); }},
    {Sound::Cow1BigJump, [] { return cowOne(true); }},
    {Sound::Cow2JumpSoundSource, [] { return cowTwo(false); }},
    {Sound::Cow2BigJump, [] { return cowTwo(true); }},
    {Sound::CowChewSoundSource, chew},
    {Sound::CowSonarSoundSource, sonarLoop},
    {Sound::CowSplashSoundSource, splash},
    {Sound::CowShrinkSoundSource, [] { return powerSweep(false); }},
    {Sound::CowGrowSoundSource, [] { return powerSweep(true); }},
    {Sound::CowHBSoundSource, whoosh},
    {Sound::HayYAYSoundSource, cheer},
    {Sound::Ambient, morningLoop, AmbientDb},
    {Sound::ChainJingle, chainJingle},
    {Sound::SyringeBreak, glassBreak},
    {Sound::GetOutoftheWater, outOfWater},
    {Sound::InjectSyringe, squirt},
    {Sound::SyringePickup, pickupBlip},
    {Sound::OpenGate, gateOpen},
    {Sound::CloseGate, gateClose},
    {Sound::GameStart, startRound},
    {Sound::CowFull, fullGrunt},
    {Sound::HayStolen, stolenSting},
    {Sound::Hit, hitThud},
    {Sound::GameWon, winFanfare},
    {Sound::Slowdown, slowdownGroan},
};

const SoundRecipe *recipeOf(Sound sound) {
    for (const SoundRecipe &recipe : Recipes)
        if (recipe.sound == sound)
            return &recipe;
    return nullptr;
}

} // namespace

bool makeSounds(const std::string &dataDir) {
    for (int i = 0; i < SoundCount; i++) {
        const Sound sound = static_cast<Sound>(i);
        const SoundRecipe *recipe = recipeOf(sound);
        if (!recipe) {
            std::fprintf(stderr, "no recipe for %s (%s)\n", soundName(sound), soundFile(sound));
            return false;
        }
        Signal s = recipe->make();
        if (!soundLoops(sound))
            fadeEnds(s, 0.002, 0.03);
        normalise(s, recipe->peakDb, MaxRmsDb);
        std::string path = dataDir + "/" + soundFile(sound);
        if (!writeWav(s, path)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return false;
        }
    }
    return true;
}
