#pragma once

#include "tools/autoplay/Planner.hpp"

#include <deque>
#include <optional>

namespace autoplay {

// What the autoplayer does in one frame: the keys it holds and where the mouse stands.
struct Decision {
    Keys keys;
    bool fire = false;
    Point aim;
};

// A player that crosses the field lane by lane and fights what fires at it.
//
// At full strength it sees every frame as it is, foresees the lanes' new tanks and where its
// own shots will fly, checks its way over a lane every frame and shoots a tank out of the way
// when no gap will do. Human-paced, it acts on what it saw a quarter of a second ago, makes a new
// plan at most a few times a second and follows it blindly in between, keeps a few pixels away
// from the tanks, aims with a small error and fires when it is lined up, never at tanks.
class Bot {
  public:
    Bot(bool human, std::uint32_t seed);

    // `random` is a copy of the game's engine as it stands (the full-strength player's foresight).
    Decision decide(const Field& now, const RandomEngine& random);

  private:
    Decision fight(const Field& seen, const Forecast& forecast, int from, Point next);
    void move(const Field& now, const Field& seen, const RandomEngine& random, Decision& out);
    std::optional<Keys> fetchItem(const Field& now, int lane) const;

    bool human_;
    RandomEngine random_;
    std::deque<Field> seen_; // the last frames, oldest first
    std::optional<Plan> plan_;
    int planLane_ = -2;
    int planElapsed_ = 0;
    int planAge_ = 0; // frames since the human-paced player last thought
    int stuck_ = 0;   // frames waiting below a lane without a way over it
    int siege_ = 0;   // frames spent holding back to fight first
    Point aimError_;
    std::optional<Route> route_;
    int routeTop_ = 0, routeTowers_ = -1, routeAge_ = 0;
    int lastPlayerY_ = 0;
    int fetchStuck_ = 0; // frames without a step towards an item
    Point lastFetchFrom_;
};

} // namespace autoplay
