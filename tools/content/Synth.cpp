#include "tools/content/Synth.hpp"

#include <algorithm>

namespace synth {

void Biquad::set(Kind kind, float hz, float q) {
    hz = std::clamp(hz, 10.f, sampleRate * 0.45f);
    const float w = twoPi * hz / sampleRate;
    const float cw = std::cos(w), alpha = std::sin(w) / (2.f * q);
    float b0, b1, b2;
    switch (kind) {
    case Kind::LowPass:
        b0 = (1 - cw) / 2;
        b1 = 1 - cw;
        b2 = (1 - cw) / 2;
        break;
    case Kind::HighPass:
        b0 = (1 + cw) / 2;
        b1 = -(1 + cw);
        b2 = (1 + cw) / 2;
        break;
    case Kind::BandPass:
    default:
        b0 = alpha;
        b1 = 0;
        b2 = -alpha;
        break;
    }
    const float a0 = 1 + alpha;
    b0_ = b0 / a0;
    b1_ = b1 / a0;
    b2_ = b2 / a0;
    a1_ = -2 * cw / a0;
    a2_ = (1 - alpha) / a0;
}

float Envelope::at(float t, float length) const {
    if (t < 0)
        return 0;
    auto held = [&](float u) {
        if (u < attack)
            return u / attack;
        return sustain + (1 - sustain) * std::exp(-(u - attack) / std::max(decay, 1e-4f));
    };
    if (t < length)
        return held(t);
    return held(length) * std::exp(-(t - length) / std::max(release, 1e-4f));
}

void mixInto(std::vector<float>& dst, const std::vector<float>& src, long offset, float gain,
             bool wrap) {
    const long n = static_cast<long>(dst.size());
    for (std::size_t i = 0; i < src.size(); ++i) {
        long at = offset + static_cast<long>(i);
        if (wrap)
            at = ((at % n) + n) % n;
        else if (at < 0 || at >= n)
            continue;
        dst[static_cast<std::size_t>(at)] += src[i] * gain;
    }
}

namespace {
class Comb {
  public:
    Comb(int length, float feedback, float damping)
        : buf_(length), feedback_(feedback), damp_(damping) {}
    float operator()(float x) {
        const float y = buf_[pos_];
        store_ = y * (1 - damp_) + store_ * damp_;
        buf_[pos_] = x + store_ * feedback_;
        pos_ = (pos_ + 1) % buf_.size();
        return y;
    }

  private:
    std::vector<float> buf_;
    std::size_t pos_ = 0;
    float feedback_, damp_, store_ = 0;
};

class Allpass {
  public:
    explicit Allpass(int length) : buf_(length) {}
    float operator()(float x) {
        const float b = buf_[pos_];
        const float y = -x + b;
        buf_[pos_] = x + b * 0.5f;
        pos_ = (pos_ + 1) % buf_.size();
        return y;
    }

  private:
    std::vector<float> buf_;
    std::size_t pos_ = 0;
};
} // namespace

std::vector<float> reverb(const std::vector<float>& in, float size, float damping) {
    const float feedback = 0.7f + 0.28f * size;
    std::vector<Comb> combs;
    for (int len : {1116, 1188, 1277, 1356, 1422, 1491})
        combs.emplace_back(len, feedback, damping);
    std::vector<Allpass> allpasses;
    for (int len : {556, 441, 341})
        allpasses.emplace_back(len);
    std::vector<float> out(in.size());
    for (std::size_t i = 0; i < in.size(); ++i) {
        const float x = in[i] * 0.015f;
        float y = 0;
        for (Comb& c : combs)
            y += c(x);
        for (Allpass& a : allpasses)
            y = a(y);
        out[i] = y;
    }
    return out;
}

void fadeEnds(std::vector<float>& s, float inSeconds, float outSeconds) {
    const std::size_t in = std::min(s.size(), static_cast<std::size_t>(samples(inSeconds)));
    const std::size_t out = std::min(s.size(), static_cast<std::size_t>(samples(outSeconds)));
    for (std::size_t i = 0; i < in; ++i)
        s[i] *= static_cast<float>(i) / in;
    for (std::size_t i = 0; i < out; ++i)
        s[s.size() - 1 - i] *= static_cast<float>(i) / out;
}

} // namespace synth
