// synth.h: the generator's sound building blocks: signals, oscillators, filters, envelopes,
// additive and formant voices, and the 16-bit WAV writer.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "rng.h"

constexpr int SampleRate = 22050; // samples per second

// A mono signal, nominally within -1..1.
using Signal = std::vector<double>;

int samplesIn(double seconds);  // seconds to a sample count
Signal silence(double seconds); // a signal of zeros
double midiHz(double note);     // MIDI note number to Hz (69 = A 440)

// Add `src` times `gain` into `dst` from sample `offset` on. With `wrap`, samples past the
// end continue at the start (for sounds that loop); otherwise they are dropped.
void mixInto(Signal &dst, const Signal &src, int offset, double gain, bool wrap = false);
// Shorthand: mix at `seconds` into dst.
void mixAt(Signal &dst, const Signal &src, double seconds, double gain, bool wrap = false);

// A sine oscillator that follows a changing frequency without jumps.
class Oscillator {
  public:
    explicit Oscillator(double phase = 0) : phase(phase) {}
    double next(double hz); // the current value, then advance by one sample
  private:
    double phase; // cycles
};

// A second-order filter (the usual cookbook biquad); its corner can move every sample.
class Filter {
  public:
    enum Kind { LowPass, HighPass, BandPass };
    Filter(Kind kind, double hz, double q) : kind(kind) { tune(hz, q); }
    void tune(double hz, double q);
    double run(double x);

  private:
    Kind kind;
    double b0 = 0, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
};

// Envelope pieces, all taking the time since the start in seconds.
double attackDecay(double t, double attack, double decayTau);        // fast rise, exponential fall
double gate(double t, double attack, double length, double release); // rise, hold, fall

// White noise in -1..1 of the given length.
Signal noise(double seconds, Rng &rng);

// A signal computed sample by sample from the time in seconds.
Signal render(double seconds, const std::function<double(double t)> &sample);

// Additive tone: harmonics k = 1.. of frequency(t) with amplitude(k, t), up to maxHz.
Signal additive(double seconds, const std::function<double(double t)> &frequency,
                const std::function<double(int k, double t)> &amplitude, double maxHz = 6000);

// A decaying partial of a struck object.
struct Partial {
    double hz, gain, decayTau; // seconds for the level to fall to 1/e
};
// A struck object: every partial starts at once and rings down.
Signal strike(double seconds, const std::vector<Partial> &partials);

// A vocal resonance (formant) and a vowel as three of them.
struct Formant {
    double hz, bandwidth, gain;
};
struct Vowel {
    Formant f[3];
};
Vowel blendVowels(const Vowel &a, const Vowel &b, double t); // a at t = 0, b at t = 1
Vowel shiftVowel(const Vowel &v, double factor);             // every formant times factor

// A voiced sound: harmonics of pitch(t) shaped by the vowel(t) and scaled by level(t).
Signal voice(double seconds, const std::function<double(double t)> &pitch,
             const std::function<Vowel(double t)> &vowel,
             const std::function<double(double t)> &level);

// Brass-like note: brighter as it gets louder.
Signal brass(double hz, double length, double release = 0.12);

// Scale so the highest peak is `peakDb` dBFS (below 0), or lower when needed to keep the
// RMS level at or under `maxRmsDb` dBFS (dense sounds, such as square waves, sound louder
// than sparse ones of the same peak).
void normalise(Signal &s, double peakDb, double maxRmsDb = 0);
// Short fades at both ends so a one-shot starts and stops at silence.
void fadeEnds(Signal &s, double inSeconds, double outSeconds);
// Filter a looping signal so the filter's memory continues across the seam: the signal
// is run through twice and the second pass kept.
Signal filterLoop(const Signal &s, Filter filter);

// Write 16-bit mono PCM at SampleRate; false on failure.
bool writeWav(const Signal &s, const std::string &path);
