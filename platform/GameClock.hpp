#pragma once

// The game's own time: seconds advanced by each frame's time (paused frames and transitions
// included). Every timer of the world runs on it, so a test that sets the frame time replays a
// game exactly.
class GameClock {
  public:
    double now() const { return now_; }
    void advance(double seconds) { now_ += seconds; }

  private:
    double now_ = 0.0;
};

// Seconds since the last restart, on a GameClock.
class Stopwatch {
  public:
    Stopwatch() = default;
    explicit Stopwatch(const GameClock& clock) : clock_(&clock), start_(clock.now()) {}

    float elapsed() const { return clock_ ? static_cast<float>(clock_->now() - start_) : 0.f; }
    void restart() { start_ = clock_ ? clock_->now() : 0.0; }

  private:
    const GameClock* clock_ = nullptr;
    double start_ = 0.0;
};
