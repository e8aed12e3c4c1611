#include "tools/autoplay/Planner.hpp"

#include "rules/Geometry.hpp"
#include "rules/Rulebook.hpp"
#include "world/LevelTables.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

namespace autoplay {

Box playerBox(Point centre, int side) {
    return Box(centre.x - side / 2, centre.y - side / 2, side, side);
}

Box tankBox(const Field& field, const LaneView& lane, const TankView& tank) {
    const Point size = field.tankSize[static_cast<std::size_t>(std::clamp(tank.kind, 1, 3) - 1)];
    return Box(tank.left, lane.top, size.x, size.y);
}

bool playerBlocked(const Field& field, Point c) {
    if (rules::outsideField(field.area, c))
        return true;
    for (Point tower : field.towerBases)
        if (rules::nearTower(tower, c))
            return true;
    const Box me = playerBox(c, field.side);
    for (const Box& block : field.blocks)
        if (boxesTouch(me, block))
            return true;
    return false;
}

namespace {

// A new tank of unknown kind is taken as kind 0: harmful, with the largest size.
constexpr int unknownKind = 0;

Box sizedBox(const Field& field, const LaneView& lane, const TankView& tank) {
    if (tank.kind != unknownKind)
        return tankBox(field, lane, tank);
    int w = 0, h = 0;
    for (const Point& size : field.tankSize) {
        w = std::max(w, size.x);
        h = std::max(h, size.y);
    }
    return Box(tank.left, lane.top, w, h);
}

void advanceLane(LaneView& lane, float dt, RandomEngine* random) {
    for (TankView& tank : lane.tanks)
        tank.left = rules::stepTank(tank.left, lane.movesRight, lane.speed, dt);
    const auto dropped = std::erase_if(lane.tanks, [&lane](const TankView& t) {
        return rules::tankLeftLane(t.left, lane.movesRight, lane.width);
    });
    for (int j = 0; j < static_cast<int>(dropped); ++j) {
        TankView tank;
        tank.left = rules::replacementLeft(lane.movesRight, lane.width, lane.level, j);
        if (random) {
            const bool hasHarmless =
                std::any_of(lane.tanks.begin(), lane.tanks.end(),
                            [](const TankView& t) { return !rules::harmful(t.kind); });
            tank.kind = levels::drawTankKind(*random, hasHarmless);
        } else {
            tank.kind = unknownKind;
        }
        lane.tanks.push_back(tank);
    }
}

int laneHeight(const Field& field) {
    int h = 0;
    for (const Point& size : field.tankSize)
        h = std::max(h, size.y);
    return h;
}

} // namespace

Forecast::Forecast(const Field& field, int frames, std::optional<RandomEngine> random) {
    lanes_.reserve(static_cast<std::size_t>(frames) + 1);
    lanes_.push_back(field.lanes);
    RandomEngine* engine = random ? &*random : nullptr;
    for (int f = 0; f < frames; ++f) {
        std::vector<LaneView> next = lanes_.back();
        for (LaneView& lane : next)
            advanceLane(lane, field.dt, engine);
        lanes_.push_back(std::move(next));
    }
}

const std::vector<LaneView>& Forecast::at(int frame) const {
    return lanes_[static_cast<std::size_t>(std::clamp(frame, 0, frames() - 1))];
}

bool tankTouches(const Field& field, const std::vector<LaneView>& lanes, const Box& box,
                 int margin) {
    const int tallest = laneHeight(field);
    for (const LaneView& lane : lanes) {
        if (box.top + box.height < lane.top || box.top > lane.top + tallest)
            continue;
        for (const TankView& tank : lane.tanks) {
            if (!rules::harmful(tank.kind))
                continue;
            Box b = sizedBox(field, lane, tank);
            b.left -= margin;
            b.width += 2 * margin;
            if (boxesTouch(box, b))
                return true;
        }
    }
    return false;
}

int nextLane(const Field& field) {
    const int bottom = field.player.y - field.side / 2 + field.side;
    int best = -1;
    for (std::size_t i = 0; i < field.lanes.size(); ++i)
        if (field.lanes[i].top < bottom &&
            (best < 0 || field.lanes[i].top > field.lanes[static_cast<std::size_t>(best)].top))
            best = static_cast<int>(i);
    return best;
}

int waitLine(const Field& field, int lane) {
    if (lane < 0)
        return std::numeric_limits<int>::min();
    const int bandBottom = field.lanes[static_cast<std::size_t>(lane)].top + laneHeight(field);
    return bandBottom + 2 + field.side / 2;
}

Keys planKeys(const Field& field, int lane, const Plan& plan, int elapsed) {
    Keys keys;
    const int side = elapsed < plan.wait ? plan.waitSide : plan.crossSide;
    keys.left = side < 0;
    keys.right = side > 0;
    if (elapsed >= plan.wait) {
        keys.up = true;
    } else {
        const int upTo = rules::stepAxis(field.player.y, rules::upKey.dy, field.moveRate, field.dt);
        keys.up = upTo >= waitLine(field, lane);
    }
    return keys;
}

// One frame of the player's own motion, each key tested on its own like the game does.
Point movePlayer(const Field& field, Point at, const Keys& keys) {
    struct Step {
        bool held;
        rules::KeyStep step;
    };
    const Step steps[] = {{keys.left, rules::leftKey},
                          {keys.right, rules::rightKey},
                          {keys.up, rules::upKey},
                          {keys.down, rules::downKey}};
    for (const Step& s : steps) {
        if (!s.held)
            continue;
        const Point next(rules::stepAxis(at.x, s.step.dx, field.moveRate, field.dt),
                         rules::stepAxis(at.y, s.step.dy, field.moveRate, field.dt));
        if (!playerBlocked(field, next))
            at = next;
    }
    return at;
}

namespace {

bool cleared(const Field& field, int lane, Point at) {
    if (lane < 0)
        return rules::crossed(at);
    return at.y - field.side / 2 + field.side <= field.lanes[static_cast<std::size_t>(lane)].top;
}

// The longest crossing of a lane a plan may take.
constexpr int maxCrossFrames = 90;

} // namespace

Outcome tryPlan(const Field& field, const Forecast& forecast, int from, int lane, const Plan& plan,
                int margin) {
    Outcome out;
    Field moving = field;
    for (int f = 0; f < plan.wait + maxCrossFrames; ++f) {
        const Keys keys = planKeys(moving, lane, plan, f);
        moving.player = movePlayer(moving, moving.player, keys);
        // Contact is tested against the tanks where the last update left them.
        if (tankTouches(field, forecast.at(from + f), playerBox(moving.player, field.side), margin))
            return out;
        if (f >= plan.wait && cleared(field, lane, moving.player)) {
            out.safe = true;
            out.frames = f + 1;
            out.end = moving.player;
            return out;
        }
    }
    return out;
}

namespace {
// Room for a step: a tower or soldier fires the moment the player is in reach.
constexpr int reachSlack = 12;
// Room for a soldier's last step towards the player.
constexpr int walkSlack = 4;
// Planning scores: the time a plan takes, the distance from the field's middle and the towers
// it ends in reach of.
constexpr double offCentreScore = 0.02;
constexpr double towerReachScore = 100;
} // namespace

bool towerReaches(const Field& field, Point at) {
    for (const EnemyView& e : field.enemies)
        if (e.tower && distance(e.centre, at) < e.range + reachSlack)
            return true;
    return false;
}

std::optional<Plan> bestPlan(const Field& field, const Forecast& forecast, int from, int lane,
                             int margin) {
    std::optional<Plan> best;
    double bestScore = std::numeric_limits<double>::max();
    const int centreX = field.area.left + field.area.width / 2;
    const int maxWait = std::max(0, forecast.frames() - from - maxCrossFrames);
    for (int wait = 0; wait <= maxWait; wait += 2) {
        if (best && wait > bestScore)
            break; // waiting longer cannot be quicker
        for (int waitSide = -1; waitSide <= 1; ++waitSide) {
            if (wait == 0 && waitSide != 0)
                continue;
            for (int crossSide = -1; crossSide <= 1; ++crossSide) {
                const Plan plan{wait, waitSide, crossSide};
                const Outcome o = tryPlan(field, forecast, from, lane, plan, margin);
                if (!o.safe)
                    continue;
                // Quick first; then out of the towers' reach and away from the field's sides.
                double score = o.frames + offCentreScore * std::abs(o.end.x - centreX);
                if (towerReaches(field, o.end))
                    score += towerReachScore;
                if (score < bestScore) {
                    bestScore = score;
                    best = plan;
                }
            }
        }
    }
    return best;
}

namespace {

float spriteRotation(double degrees) {
    float r = static_cast<float>(std::fmod(degrees, 360.0));
    if (r < 0)
        r += 360.f;
    return r;
}

} // namespace

// A shot that flies longer than this is taken to hit nothing.
constexpr int maxShotFrames = 60;

double turnedRotation(const Field& field, Point aim) {
    return spriteRotation(turnTowards(field.rotation, field.turnRate, field.player, aim));
}

ShotResult predictShot(const Field& field, const Forecast& forecast, double rotation) {
    ShotResult result;
    Point p = field.player;
    const int d = rules::shotFlight(field.dt);
    for (int k = 1; k < maxShotFrames; ++k) {
        stepAlong(p, d, -rotation);
        if (rules::shotOutside(field.area, p))
            return result;
        result.frames = k;
        const std::vector<LaneView>& lanes = forecast.at(k);
        for (std::size_t l = 0; l < lanes.size(); ++l)
            for (std::size_t t = 0; t < lanes[l].tanks.size(); ++t) {
                const TankView& tank = lanes[l].tanks[t];
                if (!rules::harmful(tank.kind))
                    continue;
                const Box b = sizedBox(field, lanes[l], tank);
                if (distance(Point(b.left + b.width / 2, b.top + b.height / 2), p) <
                    rules::tankHitReach) {
                    result.what = ShotResult::Tank;
                    result.index = static_cast<int>(l);
                    result.tank = static_cast<int>(t);
                    return result;
                }
            }
        // Towers are tested before soldiers, and both before blocks.
        for (int pass = 0; pass < 2; ++pass)
            for (std::size_t e = 0; e < field.enemies.size(); ++e)
                if (field.enemies[e].tower == (pass == 0) &&
                    distance(field.enemies[e].centre, p) < rules::hitReach) {
                    result.what = ShotResult::Enemy;
                    result.index = static_cast<int>(e);
                    return result;
                }
        for (std::size_t b = 0; b < field.blocks.size(); ++b) {
            const Box& box = field.blocks[b];
            if (distance(Point(box.left + box.width / 2, box.top + box.height / 2), p) <
                rules::hitReach) {
                result.what = ShotResult::Block;
                result.index = static_cast<int>(b);
                return result;
            }
        }
    }
    return result;
}

namespace {

double segmentDistance(Point from, Point to, double cx, double cy) {
    const double dx = to.x - from.x, dy = to.y - from.y;
    const double len2 = std::max(1.0, dx * dx + dy * dy);
    const double t = std::clamp(((cx - from.x) * dx + (cy - from.y) * dy) / len2, 0.0, 1.0);
    return std::hypot(from.x + t * dx - cx, from.y + t * dy - cy);
}

} // namespace

bool blocksClear(const Field& field, Point from, Point to, double clearance) {
    for (const Box& b : field.blocks)
        if (segmentDistance(from, to, b.left + b.width / 2, b.top + b.height / 2) < clearance)
            return false;
    return true;
}

// Lanes further than this beyond a shot's ends are not in its way.
constexpr int laneSlack = 70;

bool lineClear(const Field& field, const Forecast& forecast, int from, Point a, Point b,
               int margin) {
    // A shot is first tested one step away from its shooter, and it covers 33 px a frame
    // measured along both axes together.
    const int speed = rules::shotFlight(field.dt);
    const double length = std::max(1.0, distance(a, b));
    const double step = std::min(1.0, speed / length);
    const Point start(a.x + static_cast<int>((b.x - a.x) * step),
                      a.y + static_cast<int>((b.y - a.y) * step));
    const double axes = std::max(1, std::abs(b.x - a.x) + std::abs(b.y - a.y));
    const std::vector<LaneView>& now = forecast.at(from);
    for (std::size_t l = 0; l < now.size(); ++l) {
        const LaneView& lane = now[l];
        const double laneY = lane.top + laneHeight(field) / 2.0;
        if ((laneY < std::min(a.y, b.y) - laneSlack) || (laneY > std::max(a.y, b.y) + laneSlack))
            continue;
        const double across = std::abs(b.y - a.y) / axes * speed;
        const int frames = across > 0 ? static_cast<int>(std::abs(laneY - a.y) / across) + 1 : 1;
        const LaneView& then = forecast.at(from + frames)[l];
        for (const TankView& tank : then.tanks) {
            if (!rules::harmful(tank.kind))
                continue;
            const Box box = sizedBox(field, then, tank);
            if (segmentDistance(start, b, box.left + box.width / 2, box.top + box.height / 2) <
                rules::tankHitReach + margin)
                return false;
        }
    }
    return blocksClear(field, a, b);
}

bool canReach(const Field& field, const EnemyView& e, Point at) {
    if (!e.armed)
        return false;
    if (distance(e.centre, at) < e.range + reachSlack)
        return true;
    // Enemy soldiers walk up to the player as far as the field's middle line, unless they are held
    // fast, and near the top line they fire from anywhere.
    return !e.tower &&
           (rules::nearTop(at) ||
            (e.walking && at.y - rules::soldiersLowest(field.area) < e.range + walkSlack));
}

bool threatened(const Field& field, Point at) {
    return std::any_of(field.enemies.begin(), field.enemies.end(),
                       [&](const EnemyView& e) { return canReach(field, e, at); });
}

bool soldierThreat(const Field& field, Point at) {
    return std::any_of(field.enemies.begin(), field.enemies.end(),
                       [&](const EnemyView& e) { return !e.tower && canReach(field, e, at); });
}

Route::Route(const Field& field, int top, int bottom) : left_(field.area.left), top_(top) {
    cols_ = field.area.width / cell + 1;
    rows_ = std::max(1, (bottom - top) / cell + 1);
    distance_.assign(static_cast<std::size_t>(cols_ * rows_), -1);
    const auto free = [&](int i, int j) {
        const Point at(left_ + i * cell, top_ + j * cell);
        return !playerBlocked(field, at) && !towerReaches(field, at);
    };
    std::vector<char> open(distance_.size());
    std::vector<int> queue;
    for (int j = 0; j < rows_; ++j)
        for (int i = 0; i < cols_; ++i) {
            open[static_cast<std::size_t>(j * cols_ + i)] = free(i, j);
            if (j == 0 && open[static_cast<std::size_t>(i)]) {
                distance_[static_cast<std::size_t>(i)] = 0;
                queue.push_back(i);
            }
        }
    for (std::size_t q = 0; q < queue.size(); ++q) {
        const int i = queue[q] % cols_, j = queue[q] / cols_;
        const int next[4][2] = {{i - 1, j}, {i + 1, j}, {i, j - 1}, {i, j + 1}};
        for (const auto& n : next) {
            if (n[0] < 0 || n[0] >= cols_ || n[1] < 0 || n[1] >= rows_)
                continue;
            const auto k = static_cast<std::size_t>(n[1] * cols_ + n[0]);
            if (!open[k] || distance_[k] >= 0)
                continue;
            distance_[k] = distance_[static_cast<std::size_t>(queue[q])] + 1;
            queue.push_back(n[1] * cols_ + n[0]);
        }
    }
}

int Route::distanceAt(Point p) const {
    if (p.y <= top_)
        return 0;
    const int i = (p.x - left_ + cell / 2) / cell, j = (p.y - top_ + cell / 2) / cell;
    if (i < 0 || i >= cols_ || j < 0 || j >= rows_)
        return -1;
    return distance_[static_cast<std::size_t>(j * cols_ + i)];
}

std::optional<Keys> Route::step(const Field& field) const {
    std::optional<Keys> best;
    int bestDistance = distanceAt(field.player);
    if (bestDistance < 0)
        return best;
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy) {
            Keys keys;
            keys.left = dx < 0;
            keys.right = dx > 0;
            keys.up = dy < 0;
            keys.down = dy > 0;
            const Point to = movePlayer(field, field.player, keys);
            const int d = distanceAt(to);
            // Ties go upwards.
            if (d >= 0 &&
                (d < bestDistance || (d == bestDistance && dy < 0 && best && !best->up))) {
                bestDistance = d;
                best = keys;
            }
        }
    return best;
}

int chooseTarget(const Field& field, Point next) {
    int best = -1;
    double bestScore = std::numeric_limits<double>::max();
    for (std::size_t i = 0; i < field.enemies.size(); ++i) {
        const EnemyView& e = field.enemies[i];
        double score = distance(e.centre, field.player);
        if (canReach(field, e, field.player))
            score -= 4000;
        else if (canReach(field, e, next))
            score -= 2000;
        if (!blocksClear(field, field.player, e.centre))
            score += 1000;
        // Shots through a lane get through only between its tanks.
        const int tallest = laneHeight(field);
        for (const LaneView& lane : field.lanes) {
            const int mid = lane.top + tallest / 2;
            if (mid > std::min(e.centre.y, field.player.y) &&
                mid < std::max(e.centre.y, field.player.y))
                score += 1500;
        }
        // Half-dead enemies first: every hit on them brings the end nearer.
        score -= 2.0 * (100 - e.life);
        if (score < bestScore) {
            bestScore = score;
            best = static_cast<int>(i);
        }
    }
    return best;
}

} // namespace autoplay
