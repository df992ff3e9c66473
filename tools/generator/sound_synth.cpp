#include "sound_synth.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "canvas.h"
#include "ogg_codec.h"

namespace gen {
namespace {

constexpr double kRate = datatools::kSampleRate;
constexpr double kTau = 2.0 * M_PI;

std::vector<float> silence(double seconds) {
    return std::vector<float>(static_cast<std::size_t>(std::lround(seconds * kRate)), 0.0f);
}

double envelope(double t, double attack, double decay) {
    if (t < 0) return 0;
    if (t < attack) return t / attack;
    return std::exp(-(t - attack) / decay);
}

// One-pole low-pass filter state.
struct LowPass {
    double state = 0;
    double step(double in, double cutoff) {
        const double a = 1.0 - std::exp(-kTau * cutoff / kRate);
        state += a * (in - state);
        return state;
    }
};

void normalise(std::vector<float>& s, double peak) {
    double top = 1e-9;
    for (float v : s) top = std::max(top, std::fabs(static_cast<double>(v)));
    for (float& v : s) v = static_cast<float>(v * peak / top);
}

// Fades the last few milliseconds so no sound ends in a click.
void fadeTail(std::vector<float>& s, double seconds = 0.01) {
    const std::size_t n = std::min(s.size(), static_cast<std::size_t>(seconds * kRate));
    for (std::size_t i = 0; i < n; ++i) s[s.size() - 1 - i] *= static_cast<float>(i) / n;
}

// Adds a sound generator over [start, start + length) seconds.
void add(std::vector<float>& s, double start, double length, const std::function<double(double)>& voice) {
    const std::size_t from = static_cast<std::size_t>(start * kRate);
    const std::size_t to = std::min(s.size(), static_cast<std::size_t>((start + length) * kRate));
    for (std::size_t i = from; i < to; ++i) s[i] += static_cast<float>(voice((i - from) / kRate));
}

// A short room echo: delayed, darker, quieter copies.
void echo(std::vector<float>& s, double delay, double feedback, double cutoff) {
    const std::size_t d = static_cast<std::size_t>(delay * kRate);
    LowPass lp;
    for (std::size_t i = d; i < s.size(); ++i) s[i] += static_cast<float>(lp.step(s[i - d], cutoff) * feedback);
}

// Lossy coding overshoots sharp waveforms a little: keep headroom.
std::vector<float> finish(std::vector<float> s, double peak = 0.75) {
    normalise(s, peak);
    fadeTail(s);
    return s;
}

double square(double phase) { return std::fmod(phase, 1.0) < 0.5 ? 1.0 : -1.0; }
double saw(double phase) { return 2.0 * std::fmod(phase, 1.0) - 1.0; }
double triangle(double phase) { return 1.0 - 4.0 * std::fabs(std::fmod(phase, 1.0) - 0.5); }

// Glide from f0 to f1 over `length` seconds: the phase at time t (cycles).
double glidePhase(double t, double f0, double f1, double length) {
    const double k = (f1 - f0) / length;
    const double tt = std::min(t, length);
    return f0 * tt + 0.5 * k * tt * tt + f1 * std::max(0.0, t - length);
}

std::vector<float> explosion(double seconds, double cutoffStart, double decay, std::uint32_t seed) {
    auto s = silence(seconds);
    Rng rng(seed);
    LowPass lp, lp2;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = i / kRate;
        const double cutoff = 120 + cutoffStart * std::exp(-t / (decay * 0.7));
        const double noise = rng.range(-1, 1);
        s[i] = static_cast<float>(lp2.step(lp.step(noise, cutoff), cutoff * 1.5) * envelope(t, 0.004, decay) * 3.0);
    }
    add(s, 0, seconds, [](double t) { return std::sin(kTau * glidePhase(t, 110, 38, 0.4)) * envelope(t, 0.003, 0.18); });
    return s;
}

}  // namespace

std::vector<float> missShotSound() {
    auto s = silence(1.25);
    Rng rng(11);
    LowPass body;
    // The crack: bright noise that darkens fast, over a short low thump.
    add(s, 0, 0.3, [&](double t) {
        const double n = rng.range(-1, 1);
        return body.step(n, 9000 * std::exp(-t / 0.05) + 400) * envelope(t, 0.0008, 0.045) * 1.6;
    });
    add(s, 0, 0.25, [](double t) { return std::sin(kTau * glidePhase(t, 150, 45, 0.12)) * envelope(t, 0.001, 0.06); });
    // The shot rolls off the valley walls.
    echo(s, 0.19, 0.35, 1800);
    echo(s, 0.31, 0.25, 1200);
    return finish(s);
}

std::vector<float> emptyClickSound() {
    auto s = silence(1.3);
    Rng rng(23);
    LowPass lp;
    auto click = [&](double t) {
        const double n = rng.range(-1, 1);
        return (n - lp.step(n, 2500)) * envelope(t, 0.0003, 0.004) +
               std::sin(kTau * 3100 * t) * envelope(t, 0.0002, 0.006) * 0.5;
    };
    add(s, 0.0, 0.05, click);
    add(s, 0.045, 0.05, [&](double t) { return click(t) * 0.55; });
    return finish(s, 0.7);
}

std::vector<float> reloadSound() {
    auto s = silence(1.25);
    Rng rng(37);
    LowPass slide;
    // Part one: the magazine slides home with a rising scrape.
    add(s, 0.05, 0.22, [&](double t) {
        const double n = rng.range(-1, 1);
        const double scrape = slide.step(n, 900 + 5000 * t) * (0.4 + 0.6 * t / 0.22);
        return scrape * (t < 0.2 ? 1.0 : (0.22 - t) / 0.02) * 0.8;
    });
    add(s, 0.27, 0.2, [&](double t) {
        return rng.range(-1, 1) * envelope(t, 0.0005, 0.012) + std::sin(kTau * 1700 * t) * envelope(t, 0.001, 0.03) * 0.5;
    });
    // Part two: the bolt snaps shut with a metallic ring.
    add(s, 0.62, 0.5, [&](double t) {
        const double ring = std::sin(kTau * 2350 * t) * 0.5 + std::sin(kTau * 3710 * t) * 0.35 + std::sin(kTau * 5230 * t) * 0.2;
        return rng.range(-1, 1) * envelope(t, 0.0004, 0.01) * 1.2 + ring * envelope(t, 0.001, 0.07);
    });
    add(s, 0.62, 0.2, [](double t) { return std::sin(kTau * glidePhase(t, 220, 90, 0.08)) * envelope(t, 0.001, 0.04) * 0.7; });
    echo(s, 0.09, 0.2, 2500);
    return finish(s);
}

std::vector<float> figureSound(int position) {
    Rng rng(100 + static_cast<std::uint32_t>(position));
    LowPass lp, lp2;
    std::vector<float> s;
    switch (position) {
    case 0: {  // scout saucer: a falling laser zap
        s = silence(0.65);
        add(s, 0, 0.6, [&](double t) {
            const double wobble = 1 + 0.05 * std::sin(kTau * 30 * t);
            return lp.step(square(glidePhase(t, 1900, 260, 0.5) * wobble), 3500) * envelope(t, 0.002, 0.2) * 0.5;
        });
        return finish(s, 0.6);
    }
    case 1: {  // dove: a fluttering of wings and a startled coo
        s = silence(0.95);
        add(s, 0, 0.55, [&](double t) {
            const double flutter = 0.5 + 0.5 * std::sin(kTau * 14 * t);
            return lp.step(rng.range(-1, 1), 3000) * flutter * flutter * envelope(t, 0.01, 0.3);
        });
        add(s, 0.3, 0.6, [](double t) {
            return std::sin(kTau * glidePhase(t, 620, 470, 0.3) + 0.6 * std::sin(kTau * 7 * t)) *
                   (t < 0.25 ? envelope(t, 0.03, 0.2) : envelope(t - 0.3, 0.03, 0.12));
        });
        break;
    }
    case 2: {  // golden saucer: a bright jackpot arpeggio
        s = silence(1.1);
        const double notes[] = {1046.5, 1318.5, 1568.0, 2093.0};
        for (int i = 0; i < 4; ++i)
            add(s, i * 0.09, 0.8, [f = notes[i]](double t) {
                return (std::sin(kTau * f * t) + 0.3 * std::sin(kTau * f * 2.76 * t)) * envelope(t, 0.002, 0.25);
            });
        break;
    }
    case 3: {  // mothership: a deep armoured clang
        s = silence(1.2);
        add(s, 0, 1.2, [](double t) {
            const double tone = std::sin(kTau * 62 * t) + 0.6 * std::sin(kTau * 157 * t) + 0.4 * std::sin(kTau * 311 * t) +
                                0.25 * std::sin(kTau * 733 * t);
            return tone * envelope(t, 0.002, 0.35) * (1 + 0.3 * std::sin(kTau * 5 * t));
        });
        add(s, 0, 0.1, [&](double t) { return rng.range(-1, 1) * envelope(t, 0.0005, 0.02); });
        break;
    }
    case 4: {  // weather balloon: pop and a hiss of escaping gas
        s = silence(0.75);
        add(s, 0, 0.7, [&](double t) {
            const double n = rng.range(-1, 1);
            return n * envelope(t, 0.0003, 0.01) * 1.5 + (n - lp.step(n, 3000)) * envelope(t, 0.02, 0.2) * 0.35;
        });
        break;
    }
    case 5: {  // tiny drone: an electric fizz
        s = silence(0.6);
        add(s, 0, 0.55, [&](double t) {
            const double buzz = square(glidePhase(t, 880, 520, 0.5)) * 0.5 + rng.range(-0.3, 0.3);
            return lp.step(buzz, 4000) * envelope(t, 0.002, 0.15) * (0.6 + 0.4 * square(t * 40));
        });
        break;
    }
    case 6: {  // beam saucer: the beam collapses with a warble
        s = silence(1.0);
        add(s, 0, 1.0, [](double t) {
            const double fm = std::sin(kTau * 9 * t) * 3.0;
            return std::sin(kTau * glidePhase(t, 700, 180, 0.9) + fm) * envelope(t, 0.01, 0.35);
        });
        break;
    }
    case 7: {  // side saucer: a crunchy burst
        s = explosion(0.85, 4000, 0.22, 207);
        break;
    }
    case 8: {  // jet-pack alien: a squeak and a sputtering pack
        s = silence(0.9);
        add(s, 0, 0.35, [](double t) {
            return saw(glidePhase(t, 900, 1400, 0.15) + 0.02 * std::sin(kTau * 30 * t)) * envelope(t, 0.01, 0.12) * 0.5;
        });
        add(s, 0.15, 0.7, [&](double t) {
            const double sputter = square(t * 18) > 0 ? 1.0 : 0.25;
            return lp.step(rng.range(-1, 1), 1200) * sputter * envelope(t, 0.02, 0.25) * 1.5;
        });
        break;
    }
    case 9: {  // balloon: two startled voices and a burner
        s = silence(1.0);
        auto voice = [](double f0, double f1) {
            return [f0, f1](double t) {
                const double phase = glidePhase(t, f0, f1, 0.3);
                return (saw(phase) * 0.4 + std::sin(kTau * phase * 3) * 0.3) * envelope(t, 0.02, 0.15);
            };
        };
        add(s, 0.0, 0.45, voice(330, 520));
        add(s, 0.12, 0.45, voice(220, 350));
        add(s, 0.2, 0.8, [&](double t) { return lp.step(rng.range(-1, 1), 700) * envelope(t, 0.05, 0.3) * 1.2; });
        break;
    }
    case 10: {  // probe drone: a metallic ping
        s = silence(0.85);
        add(s, 0, 0.85, [](double t) {
            const double mod = std::sin(kTau * 3100 * t) * 2.0 * std::exp(-t / 0.2);
            return std::sin(kTau * 2200 * t + mod) * envelope(t, 0.001, 0.22);
        });
        break;
    }
    case 11: {  // red attack saucer: a big boom
        s = explosion(1.2, 2500, 0.35, 211);
        break;
    }
    case 12: {  // passenger plane: a thud and a dying engine
        s = silence(1.05);
        add(s, 0, 1.0, [&](double t) {
            const double engine = saw(glidePhase(t, 210, 90, 1.0)) * 0.4;
            return lp.step(engine + rng.range(-0.3, 0.3), 1500) * envelope(t, 0.01, 0.4);
        });
        add(s, 0, 0.2, [](double t) { return std::sin(kTau * 70 * t) * envelope(t, 0.001, 0.06); });
        break;
    }
    case 13: {  // tractor: an indignant two-tone horn
        s = silence(0.8);
        auto horn = [&](double f) {
            return [f, &lp](double t) {
                return lp.step(square(f * t) * 0.6 + square(f * 1.26 * t) * 0.4, 1400) * (t < 0.28 ? 1.0 : (0.3 - t) / 0.02);
            };
        };
        add(s, 0.0, 0.3, horn(330));
        add(s, 0.38, 0.3, horn(294));
        return finish(s, 0.5);  // a horn is loud enough at half the level
    }
    default: {  // cow: a long offended moo
        s = silence(1.15);
        add(s, 0, 1.1, [&](double t) {
            const double vibrato = 1.5 * std::sin(kTau * 5 * t);
            const double phase = glidePhase(t, 118 + vibrato, 92, 1.0);
            const double raw = saw(phase);
            const double shaped = lp2.step(lp.step(raw, 700 + 500 * std::sin(M_PI * std::min(t, 1.0))), 900);
            return shaped * (t < 0.15 ? t / 0.15 : std::exp(-(t - 0.15) / 0.6));
        });
        break;
    }
    }
    return finish(s);
}

namespace {

// Adds a voice over a loop buffer: whatever runs past the end continues at
// the start, so the loop's seam is inaudible.
void addWrapped(std::vector<float>& s, double start, double length, const std::function<double(double)>& voice) {
    const std::size_t from = static_cast<std::size_t>(std::lround(start * kRate));
    const std::size_t n = static_cast<std::size_t>(length * kRate);
    for (std::size_t i = 0; i < n; ++i) s[(from + i) % s.size()] += static_cast<float>(voice(i / kRate));
}

double noteHz(int midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

}  // namespace

// A low-pass over a loop: the filter runs round it once to settle, so the
// filtered end still meets the filtered start.
void lowPassLoop(std::vector<float>& s, double cutoff) {
    for (int pass = 0; pass < 2; ++pass) {
        LowPass lp;
        for (int warm = 0; warm < 2; ++warm)
            for (float& v : s) {
                const double out = lp.step(v, cutoff);
                if (warm == 1) v = static_cast<float>(out);
            }
    }
}

std::vector<float> musicLoop() {
    constexpr double kBeat = 7.0 / 16.0;  // four bars of four beats in seven seconds
    auto s = silence(7.0);
    auto drums = silence(7.0);
    Rng rng(4242);
    // C, A minor, F, G: one bar each.
    const int roots[4] = {48, 45, 41, 43};
    const int chords[4][3] = {{60, 64, 67}, {57, 60, 64}, {53, 57, 60}, {55, 59, 62}};
    for (int bar = 0; bar < 4; ++bar) {
        for (int eighth = 0; eighth < 8; ++eighth) {
            const double t0 = (bar * 4 + eighth * 0.5) * kBeat;
            const int note = roots[bar] + ((eighth % 2) ? 12 : 0);
            addWrapped(s, t0, kBeat * 0.5, [f = noteHz(note)](double t) {
                return triangle(f * t) * envelope(t, 0.004, 0.12) * 0.55;
            });
        }
        // Off-beat chord stabs.
        for (int beat = 0; beat < 4; ++beat)
            for (int k = 0; k < 3; ++k)
                addWrapped(s, (bar * 4 + beat + 0.5) * kBeat, 0.2, [f = noteHz(chords[bar][k])](double t) {
                    return square(f * t) * envelope(t, 0.003, 0.05) * 0.07;
                });
    }
    // A hopping melody in C major pentatonic, one note per eighth (-1 rests).
    const int melody[32] = {72, 76, 79, 76, 81, 79, 76, -1, 72, 76, 81, 79, 76, 72, 74, -1,
                            77, 81, 84, 81, 79, 77, 74, 72, 74, 79, 83, 79, 77, 74, 71, 74};
    for (int i = 0; i < 32; ++i) {
        if (melody[i] < 0) continue;
        addWrapped(s, i * kBeat * 0.5, kBeat * 0.9, [f = noteHz(melody[i])](double t) {
            const double vibrato = 1 + 0.004 * std::sin(kTau * 6 * t);
            return (square(f * vibrato * t) * 0.25 + triangle(f * 2 * t) * 0.15) * envelope(t, 0.01, 0.16);
        });
    }
    // Soften the buzzy square waves; the drums keep their crispness.
    lowPassLoop(s, 4200);
    // Drums: kick on one and three, snare on two and four, hats on eighths.
    for (int beat = 0; beat < 16; ++beat) {
        const double t0 = beat * kBeat;
        if (beat % 2 == 0)
            addWrapped(drums, t0, 0.3, [](double t) {
                return std::sin(kTau * glidePhase(t, 140, 45, 0.08)) * envelope(t, 0.001, 0.09) * 0.9;
            });
        else
            addWrapped(drums, t0, 0.25, [&rng](double t) { return rng.range(-1, 1) * envelope(t, 0.001, 0.05) * 0.4; });
        for (int half = 0; half < 2; ++half)
            addWrapped(drums, t0 + half * kBeat * 0.5, 0.06, [&rng](double t) {
                const double n = rng.range(-1, 1);
                return n * envelope(t, 0.0005, 0.012) * 0.18;
            });
    }
    for (std::size_t i = 0; i < s.size(); ++i) s[i] += drums[i];
    normalise(s, 0.75);
    return s;
}

}  // namespace gen
