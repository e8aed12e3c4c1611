#include "tools/autoplay/Bot.hpp"

#include "rules/Geometry.hpp"
#include "rules/Rulebook.hpp"
#include "world/Entities.hpp"

#include <algorithm>
#include <cmath>

namespace autoplay {

namespace {

constexpr int humanDelay = 8;      // frames: a quarter of a second
constexpr int humanThinkEvery = 8; // frames between two plans of the human-paced player
constexpr int humanMargin = 3;     // pixels kept from the tanks
constexpr int humanAimError = 8;   // pixels, at most, on each axis
constexpr int horizon = 150;       // frames the lanes are foreseen
constexpr int approachSlack = 30;  // pixels below the wait line from which a plan is made
constexpr int stuckBeforeShooting = 45;
constexpr int siegeFull = 1800;
constexpr int siegeHuman = 1200;

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
        const Point up(x,
                       rules::stepAxis(field.player.y, rules::upKey.dy, field.moveRate, field.dt));
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

// The lowest the player's box may reach without entering the lane below it.
int floorLine(const Field& field) {
    const int bottom = field.player.y - field.side / 2 + field.side;
    int floor = field.area.top + field.area.height;
    for (const LaneView& lane : field.lanes)
        if (lane.top >= bottom)
            floor = std::min(floor, lane.top - 2);
    return floor;
}

// The nearest place at or below the player in its band (from which no enemy reaches it), out of
// every tower's reach and, when there is a target, with no block in the way of the shots at it.
// Reached by walking sideways first, then down.
Point shelter(const Field& field, int floor, int target) {
    const auto good = [&](Point at) {
        if (playerBlocked(field, at) || threatened(field, at))
            return false;
        return target < 0 ||
               blocksClear(field, at, field.enemies[static_cast<std::size_t>(target)].centre, 64);
    };
    Point best = field.player;
    int bestCost = 1 << 30;
    for (int y = field.player.y; y + field.side / 2 < floor; y += 12) {
        bool leftOpen = true, rightOpen = true;
        for (int d = 0; d < field.area.width && (leftOpen || rightOpen); d += 4) {
            for (int sign : {-1, 1}) {
                bool& open = sign < 0 ? leftOpen : rightOpen;
                const Point at(field.player.x + sign * d, y);
                if (!open || playerBlocked(field, Point(at.x, field.player.y))) {
                    open = false;
                    continue;
                }
                const int cost = d + 2 * (y - field.player.y);
                if (cost < bestCost && good(at)) {
                    bestCost = cost;
                    best = at;
                }
            }
        }
        if (bestCost < 1 << 30)
            break;
    }
    return best;
}

// Sideways towards x, keeping the other keys.
void steer(Keys& keys, const Field& field, int x) {
    if (std::abs(x - field.player.x) <= 2)
        return;
    keys.left = x < field.player.x;
    keys.right = x > field.player.x;
}

// Sideways first, then down.
void steer(Keys& keys, const Field& field, Point to) {
    steer(keys, field, to.x);
    keys.down = !keys.left && !keys.right && to.y > field.player.y + 2;
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
        if (!((lowLife && item.kind == ItemKind::Life) ||
              (lowAmmo && item.kind == ItemKind::Ammunition)))
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
        fetchStuck_ = 0;
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
            if (!rules::harmful(tank.kind))
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
    out.fire = seen.canFire && lined && lineClear(seen, forecast, from, seen.player, centre, 8);
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

    // Where the player will wait after the next lane: below the one after it, or at the top.
    const int line = waitLine(now, lane);
    Point next(now.player.x, levels::topLine);
    if (lane >= 0) {
        const int laneTop = now.lanes[static_cast<std::size_t>(lane)].top;
        for (std::size_t i = 0; i < now.lanes.size(); ++i)
            if (now.lanes[i].top < laneTop)
                next.y = std::max(next.y, waitLine(now, static_cast<int>(i)));
    }
    Field self = seen;
    self.player = now.player;
    self.rotation = now.rotation;
    self.canFire = now.canFire;
    const Decision fought = fight(human_ ? self : now, forecast, from, next);
    out.aim = fought.aim;
    out.fire = fought.fire;

    if (const auto keys = fetchItem(now, lane); keys && fetchStuck_ < 30) {
        // Give up an item it cannot get to.
        fetchStuck_ = now.player == lastFetchFrom_ ? fetchStuck_ + 1 : 0;
        lastFetchFrom_ = now.player;
        out.keys = *keys;
        return;
    }
    const bool crossing = plan_ && planElapsed_ >= plan_->wait;
    const int siegeLimit = human_ ? siegeHuman : siegeFull;
    const bool approaching = lane < 0 || now.player.y > line + approachSlack;
    const Point ahead(now.player.x,
                      rules::stepAxis(now.player.y, rules::upKey.dy, now.moveRate, now.dt) - 4);
    const Point landing(now.player.x, lane < 0 ? levels::topLine
                                               : now.lanes[static_cast<std::size_t>(lane)].top -
                                                     now.side / 2 - 2);
    if (!crossing) {
        // Under fire where it stands: back down the band if that gets out of it.
        if (threatened(seen, now.player) && siege_ < siegeLimit) {
            const Point below(now.player.x, rules::stepAxis(now.player.y, rules::downKey.dy,
                                                            now.moveRate, now.dt));
            ++siege_;
            plan_.reset();
            if (below.y + now.side / 2 < floorLine(now) && !playerBlocked(now, below)) {
                out.keys.down = true;
                return;
            }
            // Or sideways out of it.
            const Point away = shelter(seen, floorLine(now), -1);
            if (away.x != now.player.x) {
                steer(out.keys, now, away);
                return;
            }
        }
        // Enemy soldiers come to the player wherever it goes: fight them from here, where they
        // cannot reach it yet.
        const Point step = approaching ? ahead : landing;
        if (soldierThreat(seen, step) && !threatened(seen, now.player) && siege_ < siegeLimit) {
            ++siege_;
            plan_.reset();
            steer(out.keys, now, shelter(seen, floorLine(now), chooseTarget(seen, next)));
            return;
        }
    }
    if (approaching) {
        // Towers stand still: walk round their reach, or fight them when there is no way round.
        // Up to where the plan over the next lane takes over, and never into the lane below.
        const int top = lane < 0 ? levels::topLine : line + approachSlack / 2;
        const int towers = static_cast<int>(seen.towerBases.size());
        if (!route_ || routeTop_ != top || routeTowers_ != towers || ++routeAge_ > 30) {
            route_.emplace(seen, top, floorLine(now) - now.side / 2 - 1);
            routeTop_ = top;
            routeTowers_ = towers;
            routeAge_ = 0;
        }
        if (const auto keys = route_->step(now)) {
            out.keys = *keys;
            return;
        }
        if (towerReaches(seen, ahead)) {
            // No way round: fight the tower from out of its reach, and never walk into it.
            ++siege_;
            const int target = siege_ < siegeLimit ? chooseTarget(seen, next) : -1;
            steer(out.keys, now, shelter(seen, floorLine(now), target));
            return;
        }
        out.keys = walkUp(now);
        if (out.keys.up && lane >= 0 &&
            rules::stepAxis(now.player.y, rules::upKey.dy, now.moveRate, now.dt) < line)
            out.keys.up = false;
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
    ++planElapsed_;
}

} // namespace autoplay
