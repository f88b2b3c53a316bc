// Synthesises the four sounds Pilo plays, so that no recording has to be
// shipped: applause, a child's laugh, a drum roll and a playful "oh-oh".
//   synth_sounds <output folder>
// Each is 16-bit PCM mono at 22050 Hz, normalised below full scale so that
// nothing clips, with soft edges so that nothing clicks.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;

using Signal = std::vector<double>;

int samples(double seconds)
{
    return int(seconds * kRate);
}

// A fixed seed keeps the build reproducible: the same sounds every time.
class Noise {
public:
    explicit Noise(uint32_t seed)
        : state_(seed)
    {
    }
    double uniform()
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return double(state_) / 4294967296.0;
    }
    double between(double lo, double hi) { return lo + (hi - lo) * uniform(); }
    double white() { return 2.0 * uniform() - 1.0; }

private:
    uint32_t state_;
};

// Second-order filter after the well-known audio cookbook formulas.
class Biquad {
public:
    static Biquad bandPass(double freq, double q)
    {
        const double w = 2 * kPi * freq / kRate;
        const double alpha = std::sin(w) / (2 * q);
        return Biquad(alpha, 0, -alpha, 1 + alpha, -2 * std::cos(w), 1 - alpha);
    }
    static Biquad highPass(double freq, double q = 0.707)
    {
        const double w = 2 * kPi * freq / kRate;
        const double alpha = std::sin(w) / (2 * q);
        const double c = std::cos(w);
        return Biquad((1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + alpha, -2 * c, 1 - alpha);
    }
    static Biquad lowPass(double freq, double q = 0.707)
    {
        const double w = 2 * kPi * freq / kRate;
        const double alpha = std::sin(w) / (2 * q);
        const double c = std::cos(w);
        return Biquad((1 - c) / 2, 1 - c, (1 - c) / 2, 1 + alpha, -2 * c, 1 - alpha);
    }
    double operator()(double x)
    {
        const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
        x2_ = x1_;
        x1_ = x;
        y2_ = y1_;
        y1_ = y;
        return y;
    }

private:
    Biquad(double b0, double b1, double b2, double a0, double a1, double a2)
        : b0_(b0 / a0)
        , b1_(b1 / a0)
        , b2_(b2 / a0)
        , a1_(a1 / a0)
        , a2_(a2 / a0)
    {
    }
    double b0_, b1_, b2_, a1_, a2_;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// Raised-cosine ramp from 0 to 1 over [start, end].
double ramp(double t, double start, double end)
{
    if (t <= start)
        return 0;
    if (t >= end)
        return 1;
    return 0.5 - 0.5 * std::cos(kPi * (t - start) / (end - start));
}

void addAt(Signal& out, const Signal& part, int offset, double gain)
{
    for (size_t i = 0; i < part.size(); ++i) {
        const size_t at = size_t(offset) + i;
        if (at < out.size())
            out[at] += gain * part[i];
    }
}

// --- applause -----------------------------------------------------------

Signal clap(Noise& noise)
{
    Biquad body = Biquad::bandPass(noise.between(900, 2200), noise.between(1.2, 2.2));
    Biquad air = Biquad::highPass(500);
    const double decay = noise.between(0.012, 0.028);
    Signal out(size_t(samples(0.12)));
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / kRate;
        const double env = std::min(1.0, t / 0.0015) * std::exp(-t / decay);
        out[i] = air(body(noise.white() * env));
    }
    return out;
}

Signal applause()
{
    const double length = 2.6;
    Signal out(size_t(samples(length)), 0.0);
    Noise noise(20240611);
    // The crowd swells in, claps along, then dies away.
    auto crowd = [length](double t) { return ramp(t, 0.0, 0.55) * (1 - ramp(t, 1.5, length)); };
    for (int clapper = 0; clapper < 18; ++clapper) {
        const double rate = noise.between(3.8, 6.2);
        const double loudness = noise.between(0.4, 1.0);
        for (double t = noise.between(0, 0.25); t < length; t += noise.between(0.8, 1.2) / rate) {
            const double level = crowd(t) * loudness * noise.between(0.6, 1.0);
            if (level > 0.01)
                addAt(out, clap(noise), samples(t), level);
        }
    }
    // A soft bed of distant claps fills the gaps between the near ones.
    Biquad bed = Biquad::bandPass(1500, 0.6);
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / kRate;
        out[i] += 0.06 * crowd(t) * bed(noise.white());
    }
    return out;
}

// --- voice ------------------------------------------------------------

struct Formant {
    double freq;
    double bandwidth;
    double gain;
};

// A voice: a glottal tone (harmonics falling off with their number) plus a
// breath of noise, both shaped by the mouth's formant resonances.
// pitch(t) gives f0 in Hz, voiced(t) and breath(t) the two loudnesses.
Signal voice(double length, const std::vector<Formant>& formants,
    const std::function<double(double)>& pitch, const std::function<double(double)>& voiced,
    const std::function<double(double)>& breath, uint32_t seed)
{
    Noise noise(seed);
    std::vector<Biquad> filters;
    for (const Formant& f : formants)
        filters.push_back(Biquad::bandPass(f.freq, f.freq / f.bandwidth));
    Biquad rumble = Biquad::highPass(90);
    Biquad soften = Biquad::lowPass(5000);
    Signal out(size_t(samples(length)));
    double phase = 0;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / kRate;
        const double f0 = pitch(t) * (1 + 0.012 * std::sin(2 * kPi * 5.5 * t));
        phase += f0 / kRate;
        phase -= std::floor(phase);
        double tone = 0;
        for (int k = 1; k * f0 < kRate / 2.2; ++k)
            tone += std::sin(2 * kPi * k * phase) / std::pow(k, 1.2);
        const double source = voiced(t) * tone + breath(t) * 1.5 * noise.white();
        double sum = 0;
        for (size_t f = 0; f < filters.size(); ++f)
            sum += formants[f].gain * filters[f](source);
        out[i] = soften(rumble(sum));
    }
    return out;
}

// Child's "a": a high first formant and a second one close above it.
const std::vector<Formant> kVowelA
    = { { 1050, 110, 1.0 }, { 1550, 130, 0.7 }, { 3200, 220, 0.25 } };
// Child's "o": both low formants pulled down and close together.
const std::vector<Formant> kVowelO = { { 560, 80, 1.0 }, { 1000, 110, 0.6 }, { 2900, 200, 0.15 } };

// "ha-ha-ha-ha": each syllable a breathy "h" and a short bright "a" whose
// pitch hops up and falls; the run of syllables slowly sinks and slows.
Signal laugh()
{
    struct Syllable {
        double start, length, pitch;
    };
    std::vector<Syllable> syllables;
    double t = 0.05;
    double pitch = 560;
    for (int i = 0; i < 7; ++i) {
        const double length = i == 6 ? 0.3 : 0.13 + 0.008 * i;
        syllables.push_back({ t, length, pitch });
        t += length + 0.075 + 0.01 * i;
        pitch *= 0.955;
    }
    const double total = t + 0.1;
    auto find = [syllables](double time) -> const Syllable* {
        for (const Syllable& s : syllables)
            if (time >= s.start && time < s.start + s.length + 0.06)
                return &s;
        return nullptr;
    };
    const double aspiration = 0.045;
    auto f0 = [find](double time) {
        const Syllable* s = find(time);
        if (!s)
            return 450.0;
        const double x = (time - s->start) / s->length;
        return s->pitch * (1.0 + 0.12 * std::sin(kPi * std::min(1.0, x * 0.9)) - 0.1 * x);
    };
    auto voiced = [find, aspiration](double time) {
        const Syllable* s = find(time);
        if (!s)
            return 0.0;
        const double local = time - s->start;
        return ramp(local, aspiration * 0.6, aspiration + 0.02)
            * (1 - ramp(local, s->length - 0.04, s->length + 0.02));
    };
    auto breath = [find, aspiration](double time) {
        const Syllable* s = find(time);
        if (!s)
            return 0.0;
        const double local = time - s->start;
        return 0.35 * ramp(local, 0, 0.012) * (1 - ramp(local, aspiration * 0.5, aspiration + 0.02))
            + 0.04 * ramp(local, 0, aspiration);
    };
    return voice(total, kVowelA, f0, voiced, breath, 77);
}

// "oh-oh": two sung notes a fourth apart, the second one falling at its end.
Signal ohOh()
{
    const double first = 0.30;
    const double gapEnd = 0.40;
    const double total = 1.0;
    auto f0 = [=](double t) {
        if (t < first + 0.03)
            return 460.0;
        return 345.0 * (1 - 0.09 * ramp(t, 0.62, 0.92));
    };
    auto voiced = [=](double t) {
        const double one = ramp(t, 0.0, 0.05) * (1 - ramp(t, first - 0.05, first + 0.02));
        const double two
            = 0.95 * ramp(t, gapEnd - 0.02, gapEnd + 0.04) * (1 - ramp(t, 0.78, total - 0.04));
        return one + two;
    };
    auto breath = [=](double t) { return 0.02 * (ramp(t, 0, 0.04) - ramp(t, total - 0.2, total)); };
    return voice(total, kVowelO, f0, voiced, breath, 5);
}

// --- drum roll ----------------------------------------------------------

Signal snare(Noise& noise, double strength)
{
    Biquad rattle = Biquad::bandPass(noise.between(3600, 4400), 0.8);
    Biquad crack = Biquad::bandPass(1800, 1.0);
    Signal out(size_t(samples(0.25)));
    double phase = 0;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / kRate;
        const double attack = std::min(1.0, t / 0.001);
        phase += (185 + 60 * std::exp(-t / 0.01)) / kRate;
        const double body = std::sin(2 * kPi * phase) * std::exp(-t / 0.035);
        const double n = noise.white();
        const double snares
            = (0.8 * rattle(n) + 0.6 * crack(n)) * std::exp(-t / (0.05 + 0.06 * strength));
        out[i] = attack * (0.55 * body + snares);
    }
    return out;
}

Signal bassDrum()
{
    const double length = 0.62;
    Signal out(size_t(samples(length)));
    double phase = 0;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / kRate;
        phase += (55 + 70 * std::exp(-t / 0.04)) / kRate;
        const double env
            = std::min(1.0, t / 0.002) * std::exp(-t / 0.16) * (1 - ramp(t, 0.4, length));
        out[i] = env * std::sin(2 * kPi * phase);
    }
    return out;
}

// A cymbal from a few inharmonic square waves and noise, high-passed so it
// shimmers instead of booming.
Signal cymbal(Noise& noise)
{
    const double partials[] = { 293.0, 431.7, 527.9, 746.4, 771.3, 1142.8 };
    Biquad bright = Biquad::highPass(4200);
    Biquad bright2 = Biquad::highPass(4200);
    Biquad shimmer = Biquad::bandPass(7000, 0.7);
    Signal out(size_t(samples(0.7)));
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / kRate;
        double metal = 0;
        for (double f : partials)
            metal += std::fmod(t * f * 2.3, 1.0) < 0.5 ? 1.0 : -1.0;
        const double env = std::min(1.0, t / 0.002) * std::exp(-t / 0.22);
        out[i] = env * (0.5 * bright2(bright(metal / 6.0)) + 0.7 * shimmer(noise.white()));
    }
    return out;
}

Signal drumRoll()
{
    const double rollEnd = 1.15;
    const double hit = 1.2;
    Signal out(size_t(samples(1.85)), 0.0);
    Noise noise(1996);
    double t = 0.02;
    bool left = true;
    while (t < rollEnd) {
        // Crescendo from a whisper to full, with the two hands a little uneven.
        const double level = 0.18 + 0.62 * ramp(t, 0.0, rollEnd) + (left ? 0.0 : -0.05);
        addAt(out, snare(noise, 0.3), samples(t), level * noise.between(0.85, 1.0));
        t += 1.0 / (15.0 + 4.0 * ramp(t, 0, rollEnd)) * noise.between(0.93, 1.07);
        left = !left;
    }
    addAt(out, snare(noise, 1.0), samples(hit), 1.0);
    addAt(out, bassDrum(), samples(hit), 1.1);
    addAt(out, cymbal(noise), samples(hit), 0.7);
    return out;
}

// --- output -------------------------------------------------------------

void finish(Signal& signal, double peak)
{
    const int fadeIn = samples(0.006);
    const int fadeOut = samples(0.05);
    for (int i = 0; i < fadeIn && i < int(signal.size()); ++i)
        signal[size_t(i)] *= double(i) / fadeIn;
    for (int i = 0; i < fadeOut && i < int(signal.size()); ++i)
        signal[signal.size() - 1 - size_t(i)] *= double(i) / fadeOut;
    double max = 0;
    for (double s : signal)
        max = std::max(max, std::abs(s));
    if (max > 0)
        for (double& s : signal)
            s *= peak / max;
}

void putWord(std::ofstream& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.put(char((value >> (8 * i)) & 0xff));
}

bool writeWave(const std::string& fileName, const Signal& signal)
{
    std::ofstream out(fileName, std::ios::binary);
    const uint32_t dataBytes = uint32_t(signal.size() * 2);
    out.write("RIFF", 4);
    putWord(out, 36 + dataBytes, 4);
    out.write("WAVEfmt ", 8);
    putWord(out, 16, 4);
    putWord(out, 1, 2); // PCM
    putWord(out, 1, 2); // mono
    putWord(out, kRate, 4);
    putWord(out, kRate * 2, 4);
    putWord(out, 2, 2);
    putWord(out, 16, 2);
    out.write("data", 4);
    putWord(out, dataBytes, 4);
    for (double s : signal) {
        const long value = std::lround(std::clamp(s, -1.0, 1.0) * 32767.0);
        putWord(out, uint32_t(int16_t(value)), 2);
    }
    return bool(out);
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: synth_sounds <output folder>\n");
        return 2;
    }
    const std::string folder = argv[1];
    struct Sound {
        const char* name;
        std::function<Signal()> make;
        double peak;
    };
    const Sound sounds[] = {
        { "applaus.wav", applause, 0.8 },
        { "lachen.wav", laugh, 0.75 },
        { "drum.wav", drumRoll, 0.85 },
        { "gemein.wav", ohOh, 0.75 },
    };
    for (const Sound& sound : sounds) {
        Signal signal = sound.make();
        finish(signal, sound.peak);
        if (!writeWave(folder + "/" + sound.name, signal)) {
            std::fprintf(stderr, "synth_sounds: cannot write %s/%s\n", folder.c_str(), sound.name);
            return 1;
        }
    }
    return 0;
}
