#include "tools/autoplay/Bot.hpp"

#include "rules/Geometry.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace autoplay {

namespace {

constexpr int humanDelay = 8;      // frames: a quarter of a second
constexpr int humanThinkEvery = 8; // frames between two plans of the human-paced player
constexpr int humanMargin = 3;     // pixels kept from the tanks
constexpr int humanAimError = 8;   // pixels, at most, on each axis
constexpr int horizon = 150;       // frames the lanes are foreseen
constexpr int approachSlack = 30;  // pixels below the wait line from which a plan is made
constexpr int stuckBeforeShooting = 45;
constexpr int siegeFull = 600;
constexpr int siegeHuman = 450;

double angleGap(double a, double b) {
    double d = std::fmod(std::abs(a - b), 360.0);
    return d > 180 ? 360 - d : d;
}

Keys toward(const Field& field, Point to) {
    Keys keys;
    const Point at = field.player;
    keys.left = to.x < at.x - 2;
    keys.right = to.x > at.x + 2;
    keys.up = to.y < at.y - 2;
    keys.down = to.y > at.y + 2;
    return keys;
}

// Up, or sideways towards the nearest place from which up is free.
Keys walkUp(const Field& field) {
    Keys keys;
    const auto upFree = [&field](int x) {
        const Point here(x, field.player.y);
        const Point up(x, stepPlayer(field.player.y, -50, field.moveRate, field.dt));
        return !playerBlocked(field, here) && !playerBlocked(field, up);
    };
    if (upFree(field.player.x)) {
        keys.up = true;
        return keys;
    }
    for (int d = 2; d < 300; d += 2) {
        if (upFree(field.player.x - d)) {
            keys.left = true;
            return keys;
        }
        if (upFree(field.player.x + d)) {
            keys.right = true;
            return keys;
        }
    }
    keys.up = true;
    return keys;
}

bool laneBetween(const Field& field, int y1, int y2) {
    const int lo = std::min(y1, y2), hi = std::max(y1, y2);
    for (const LaneView& lane : field.lanes)
        if (lane.top > lo - 80 && lane.top < hi)
            return true;
    return false;
}

} // namespace

Bot::Bot(bool human, std::uint32_t seed) : human_(human), random_(seed) {}

std::optional<Keys> Bot::fetchItem(const Field& now, int) const {
    const bool lowLife = now.life <= 50;
    const bool lowAmmo = now.ammo <= 20;
    if (!lowLife && !lowAmmo)
        return std::nullopt;
    const ItemView* best = nullptr;
    double bestDistance = 250;
    for (const ItemView& item : now.items) {
        if (!((lowLife && item.kind == 1) || (lowAmmo && item.kind == 3)))
            continue;
        const double d = distance(item.centre, now.player);
        if (d < bestDistance && !laneBetween(now, now.player.y, item.centre.y)) {
            bestDistance = d;
            best = &item;
        }
    }
    if (!best)
        return std::nullopt;
    return toward(now, best->centre);
}

Decision Bot::decide(const Field& now, const RandomEngine& random) {
    // A new player at the start: a crossing or a tank's blow.
    if (now.player.y > lastPlayerY_ + 40) {
        plan_.reset();
        planLane_ = -2;
        seen_.clear();
        siege_ = 0;
        stuck_ = 0;
    }
    lastPlayerY_ = now.player.y;
    seen_.push_back(now);
    while (static_cast<int>(seen_.size()) > humanDelay + 1)
        seen_.pop_front();
    const Field& seen = human_ ? seen_.front() : now;

    Decision out;
    move(now, seen, random, out);
    return out;
}

Decision Bot::fight(const Field& seen, const Forecast& forecast, int from, Point next) {
    Decision out;
    const int lane = nextLane(seen);
    out.aim = Point(seen.player.x, seen.area.top);
    if (!human_ && stuck_ > stuckBeforeShooting && lane >= 0) {
        // No gap will do: shoot the tank in the way.
        const std::vector<LaneView>& ahead = forecast.at(from + 6);
        const LaneView& road = ahead[static_cast<std::size_t>(lane)];
        int bestGap = 1 << 30;
        for (const TankView& tank : road.tanks) {
            if (tank.kind == 3)
                continue;
            const Box b = tankBox(seen, road, tank);
            const int cx = b.left + b.width / 2;
            if (std::abs(cx - seen.player.x) < bestGap && cx > seen.area.left &&
                cx < seen.area.left + seen.area.width) {
                bestGap = std::abs(cx - seen.player.x);
                out.aim = Point(cx, b.top + b.height / 2);
            }
        }
        const ShotResult shot = predictShot(seen, forecast, turnedRotation(seen, out.aim));
        out.fire = seen.canFire && shot.what == ShotResult::Tank && shot.index == lane;
        return out;
    }
    const int target = chooseTarget(seen, next);
    if (target < 0)
        return out;
    const Point centre = seen.enemies[static_cast<std::size_t>(target)].centre;
    if (!human_) {
        out.aim = centre;
        const ShotResult shot = predictShot(seen, forecast, turnedRotation(seen, out.aim));
        out.fire = seen.canFire && shot.what == ShotResult::Enemy;
        return out;
    }
    out.aim = Point(centre.x + aimError_.x, centre.y + aimError_.y);
    const double wanted = angleTo(seen.player, centre);
    const bool lined = angleGap(turnedRotation(seen, out.aim), wanted) < 4.0;
    out.fire = seen.canFire && lined && lineClear(seen, seen.lanes, seen.player, centre);
    return out;
}

void Bot::move(const Field& now, const Field& seen, const RandomEngine& random, Decision& out) {
    const int lane = nextLane(now);
    if (lane != planLane_) {
        plan_.reset();
        planElapsed_ = 0;
        planLane_ = lane;
        stuck_ = 0;
        siege_ = 0;
    }
    const int from = human_ ? static_cast<int>(seen_.size()) - 1 : 0;
    std::optional<RandomEngine> foresight;
    if (!human_)
        foresight = random;
    const Forecast forecast(seen, from + horizon, foresight);

    // Where the player stands after the next lane.
    const int line = waitLine(now, lane);
    const Point next = lane >= 0 ? Point(now.player.x, now.lanes[static_cast<std::size_t>(lane)].top -
                                                           now.side / 2 - 2)
                                 : Point(now.player.x, 20);
    Field self = seen;
    self.player = now.player;
    self.rotation = now.rotation;
    self.canFire = now.canFire;
    const Decision fought = fight(human_ ? self : now, forecast, from, next);
    out.aim = fought.aim;
    out.fire = fought.fire;

    if (const auto keys = fetchItem(now, lane)) {
        out.keys = *keys;
        return;
    }
    if (lane < 0) {
        out.keys = walkUp(now);
        return;
    }
    if (now.player.y > line + approachSlack) {
        out.keys = walkUp(now);
        // Stop short of the wait line.
        if (out.keys.up && stepPlayer(now.player.y, -50, now.moveRate, now.dt) < line)
            out.keys.up = false;
        return;
    }

    // Fight first from where no one can fire back, unless it takes too long.
    const bool crossing = plan_ && planElapsed_ >= plan_->wait;
    if (!crossing && threatened(seen, next) && !threatened(seen, now.player) &&
        siege_ < (human_ ? siegeHuman : siegeFull)) {
        ++siege_;
        plan_.reset();
        return;
    }

    if (human_) {
        if (!plan_ || ++planAge_ >= humanThinkEvery) {
            planAge_ = 0;
            plan_ = bestPlan(self, forecast, from, lane, humanMargin);
            planElapsed_ = 0;
            aimError_ = Point(randomInt(random_, -humanAimError, humanAimError),
                              randomInt(random_, -humanAimError, humanAimError));
        }
    } else {
        if (plan_) {
            const Plan rest{std::max(0, plan_->wait - planElapsed_), plan_->waitSide,
                            plan_->crossSide};
            if (!tryPlan(now, forecast, 0, lane, rest, 0).safe) {
                plan_.reset();
            } else {
                *plan_ = rest;
                planElapsed_ = 0;
            }
        }
        if (!plan_) {
            plan_ = bestPlan(now, forecast, 0, lane, 0);
            planElapsed_ = 0;
        }
    }
    if (!plan_) {
        ++stuck_;
        // Back out of the lane's band if a plan fell through on the way.
        out.keys.down = now.player.y < line;
        return;
    }
    stuck_ = 0;
    out.keys = planKeys(now, lane, *plan_, planElapsed_);
    if (std::getenv("AUTOPLAY_DEBUG"))
        std::fprintf(stderr, "p (%d,%d) lane %d top %d plan %d %d %d el %d keys %d%d%d\n",
                     now.player.x, now.player.y, lane, now.lanes[std::size_t(lane)].top,
                     plan_->wait, plan_->waitSide, plan_->crossSide, planElapsed_, out.keys.left,
                     out.keys.right, out.keys.up);
    ++planElapsed_;
}

} // namespace autoplay
