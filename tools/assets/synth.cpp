// synth.cpp: oscillators, filters, envelopes, additive and formant voices, the WAV writer.
#include "synth.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

int samplesIn(double seconds) {
    return static_cast<int>(std::lround(seconds * SampleRate));
}

Signal silence(double seconds) {
    return Signal(static_cast<size_t>(samplesIn(seconds)), 0.0);
}

double midiHz(double note) {
    return 440.0 * std::pow(2.0, (note - 69) / 12);
}

void mixInto(Signal &dst, const Signal &src, int offset, double gain, bool wrap) {
    const long n = static_cast<long>(dst.size());
    for (size_t i = 0; i < src.size(); ++i) {
        long j = offset + static_cast<long>(i);
        if (wrap)
            j = ((j % n) + n) % n;
        else if (j < 0 || j >= n)
            continue;
        dst[static_cast<size_t>(j)] += gain * src[i];
    }
}

void mixAt(Signal &dst, const Signal &src, double seconds, double gain, bool wrap) {
    mixInto(dst, src, samplesIn(seconds), gain, wrap);
}

double Oscillator::next(double hz) {
    double v = std::sin(2 * M_PI * phase);
    phase += hz / SampleRate;
    phase -= std::floor(phase);
    return v;
}

void Filter::tune(double hz, double q) {
    double w = 2 * M_PI * std::clamp(hz, 10.0, SampleRate * 0.45) / SampleRate;
    double alpha = std::sin(w) / (2 * q), cw = std::cos(w);
    double a0 = 1 + alpha;
    switch (kind) {
    case LowPass:
        b0 = (1 - cw) / 2;
        b1 = 1 - cw;
        b2 = (1 - cw) / 2;
        break;
    case HighPass:
        b0 = (1 + cw) / 2;
        b1 = -(1 + cw);
        b2 = (1 + cw) / 2;
        break;
    case BandPass: // unit gain at the centre
        b0 = alpha;
        b1 = 0;
        b2 = -alpha;
        break;
    }
    b0 /= a0;
    b1 /= a0;
    b2 /= a0;
    a1 = -2 * cw / a0;
    a2 = (1 - alpha) / a0;
}

double Filter::run(double x) {
    double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
    x2 = x1;
    x1 = x;
    y2 = y1;
    y1 = y;
    return y;
}

double attackDecay(double t, double attack, double decayTau) {
    if (t < 0)
        return 0;
    if (t < attack)
        return t / attack;
    return std::exp(-(t - attack) / decayTau);
}

double gate(double t, double attack, double length, double release) {
    if (t < 0 || t > length + release)
        return 0;
    if (t < attack)
        return std::sin(M_PI / 2 * t / attack);
    if (t <= length)
        return 1;
    double r = (t - length) / release;
    return 0.5 + 0.5 * std::cos(M_PI * r);
}

Signal noise(double seconds, Rng &rng) {
    Signal s = silence(seconds);
    for (double &v : s)
        v = rng.range(-1, 1);
    return s;
}

Signal render(double seconds, const std::function<double(double t)> &sample) {
    Signal s = silence(seconds);
    for (size_t i = 0; i < s.size(); ++i)
        s[i] = sample(static_cast<double>(i) / SampleRate);
    return s;
}

Signal additive(double seconds, const std::function<double(double t)> &frequency,
                const std::function<double(int k, double t)> &amplitude, double maxHz) {
    Signal s = silence(seconds);
    std::vector<double> phases;
    for (size_t i = 0; i < s.size(); ++i) {
        double t = static_cast<double>(i) / SampleRate, f = frequency(t), sum = 0;
        for (int k = 1; k * f < maxHz; ++k) {
            if (phases.size() < static_cast<size_t>(k))
                phases.push_back(0);
            double &phase = phases[static_cast<size_t>(k - 1)];
            sum += amplitude(k, t) * std::sin(2 * M_PI * phase);
            phase += k * f / SampleRate;
            phase -= std::floor(phase);
        }
        s[i] = sum;
    }
    return s;
}

Signal strike(double seconds, const std::vector<Partial> &partials) {
    return render(seconds, [&](double t) {
        double sum = 0;
        for (const Partial &p : partials)
            sum += p.gain * std::exp(-t / p.decayTau) * std::sin(2 * M_PI * p.hz * t);
        // Rise over 1.5 ms and fade over the last 10 ms, so a cut-off ring cannot click.
        return sum * std::min({1.0, t / 0.0015, (seconds - t) / 0.01});
    });
}

Vowel blendVowels(const Vowel &a, const Vowel &b, double t) {
    Vowel v;
    for (int i = 0; i < 3; ++i)
        v.f[i] = {a.f[i].hz + (b.f[i].hz - a.f[i].hz) * t,
                  a.f[i].bandwidth + (b.f[i].bandwidth - a.f[i].bandwidth) * t,
                  a.f[i].gain + (b.f[i].gain - a.f[i].gain) * t};
    return v;
}

Vowel shiftVowel(const Vowel &v, double factor) {
    Vowel out = v;
    for (Formant &f : out.f)
        f.hz *= factor;
    return out;
}

Signal voice(double seconds, const std::function<double(double t)> &pitch,
             const std::function<Vowel(double t)> &vowel,
             const std::function<double(double t)> &level) {
    Vowel current{};
    double currentT = -1;
    return additive(
        seconds, pitch,
        [&](int k, double t) {
            if (t != currentT) {
                current = vowel(t);
                currentT = t;
            }
            double hz = k * pitch(t), gain = 0;
            for (const Formant &f : current.f) {
                double d = (hz - f.hz) / (f.bandwidth / 2);
                gain += f.gain / (1 + d * d);
            }
            return level(t) * gain / std::pow(k, 0.6);
        },
        5000);
}

Signal brass(double hz, double length, double release) {
    return additive(
        length + release,
        [hz](double t) {
            return hz * (1 + 0.004 * std::sin(2 * M_PI * 5 * t) * std::min(1.0, t * 4));
        },
        [&](int k, double t) {
            double env = gate(t, 0.03, length, release) * (1 - 0.25 * std::min(1.0, t / 0.4));
            return std::pow(env, 1 + 0.45 * (k - 1)) / k;
        },
        7000);
}

void normalise(Signal &s, double peakDb, double maxRmsDb) {
    double peak = 0, power = 0;
    for (double v : s) {
        peak = std::max(peak, std::fabs(v));
        power += v * v;
    }
    if (peak <= 0)
        return;
    double rms = std::sqrt(power / s.size());
    double gain = std::min(std::pow(10.0, peakDb / 20) / peak, std::pow(10.0, maxRmsDb / 20) / rms);
    for (double &v : s)
        v *= gain;
}

void fadeEnds(Signal &s, double inSeconds, double outSeconds) {
    const size_t in = static_cast<size_t>(samplesIn(inSeconds));
    const size_t out = static_cast<size_t>(samplesIn(outSeconds));
    for (size_t i = 0; i < in && i < s.size(); ++i)
        s[i] *= static_cast<double>(i) / in;
    for (size_t i = 0; i < out && i < s.size(); ++i)
        s[s.size() - 1 - i] *= static_cast<double>(i) / out;
}

Signal filterLoop(const Signal &s, Filter filter) {
    for (double v : s)
        filter.run(v);
    Signal out(s.size());
    for (size_t i = 0; i < s.size(); ++i)
        out[i] = filter.run(s[i]);
    return out;
}

static void putLE(std::vector<unsigned char> &out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<unsigned char>((value >> (8 * i)) & 255));
}

bool writeWav(const Signal &s, const std::string &path) {
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(s.size() * 2);
    std::vector<unsigned char> out;
    for (char ch : std::string("RIFF"))
        out.push_back(static_cast<unsigned char>(ch));
    putLE(out, 36 + dataBytes, 4);
    for (char ch : std::string("WAVEfmt "))
        out.push_back(static_cast<unsigned char>(ch));
    putLE(out, 16, 4);             // format chunk size
    putLE(out, 1, 2);              // PCM
    putLE(out, 1, 2);              // mono
    putLE(out, SampleRate, 4);     // samples per second
    putLE(out, SampleRate * 2, 4); // bytes per second
    putLE(out, 2, 2);              // bytes per sample frame
    putLE(out, 16, 2);             // bits per sample
    for (char ch : std::string("data"))
        out.push_back(static_cast<unsigned char>(ch));
    putLE(out, dataBytes, 4);
    for (double v : s) {
        long q = std::lround(std::clamp(v, -1.0, 1.0) * 32767);
        putLE(out,
              static_cast<std::uint32_t>(static_cast<std::uint16_t>(static_cast<std::int16_t>(q))),
              2);
    }
    std::FILE *f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    bool ok = std::fwrite(out.data(), 1, out.size(), f) == out.size();
    return std::fclose(f) == 0 && ok;
}
