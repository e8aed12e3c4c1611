#pragma once

// The autoplayer's decisions, on plain copies of the field. The motion, blocking, tank and shot
// rules are the game's own (rules/Rulebook.hpp), so that a plan made on a copy plays out the same
// in the game.

#include "platform/Random.hpp"
#include "platform/ScreenLayout.hpp"
#include "world/Types.hpp"

#include <array>
#include <optional>
#include <vector>

namespace autoplay {

struct TankView {
    int left = 0;
    int kind = 1; // 3 is harmless and cannot be shot
    int life = 100;
};

struct LaneView {
    int top = 0;
    int width = 720; // the field's width: where tanks leave and enter
    int level = 1;
    bool movesRight = false;
    double speed = 1.0;
    std::vector<TankView> tanks;
};

struct EnemyView {
    Point centre;
    int range = 0;
    bool tower = false;
    bool armed = true;   // an enemy soldier with no ammunition left is harmless
    bool walking = true; // an enemy soldier that could not take its last step may be held fast
    int life = 100;
};

struct ItemView {
    Point centre;
    int kind = 0;
};

// What the autoplayer sees of one frame: the whole field, after the frame's update.
struct Field {
    Box area{layout::fieldLeft, layout::fieldTop, layout::fieldWidth, layout::fieldHeight};
    float dt = 1.f / 30.f;
    std::array<Point, 3> tankSize{}; // width, height of kinds 1..3
    Point player;
    int side = 42; // the player's box is a square of this side around its centre
    double moveRate = 1.0;
    double rotation = 0.0; // degrees, as the sprite keeps it
    double turnRate = 1.0;
    int life = 100;
    int ammo = 100;
    bool canFire = true;
    std::vector<LaneView> lanes;
    std::vector<Box> blocks;
    std::vector<Point> towerBases; // the player may not stand within 20 px of one
    std::vector<EnemyView> enemies;
    std::vector<ItemView> items;
};

// --- Motion, with the game's own rules ---
Box playerBox(Point centre, int side);
Box tankBox(const Field& field, const LaneView& lane, const TankView& tank);
bool playerBlocked(const Field& field, Point centre);

// Lanes frame by frame: at(f) holds every lane f frames from now. New tanks take their kinds from
// a copy of the game's engine when one is given; otherwise they are taken for the worst: harmful,
// and as wide and tall as the widest and tallest tank.
class Forecast {
  public:
    Forecast(const Field& field, int frames, std::optional<RandomEngine> random);
    const std::vector<LaneView>& at(int frame) const;
    int frames() const { return static_cast<int>(lanes_.size()); }

  private:
    std::vector<std::vector<LaneView>> lanes_;
};

// A harmful tank touches the box: in the game that is 10 life and back to the start.
// `margin` widens every tank on both sides (a player's imprecision).
bool tankTouches(const Field& field, const std::vector<LaneView>& lanes, const Box& box,
                 int margin);

// One way over the next lane (or up to the top line when no lane is left): `wait` frames walking
// sideways by `waitSide` (-1, 0, 1) and up only as far as the lane lets, then straight up walking
// sideways by `crossSide` until the player's box is clear of the lane.
struct Plan {
    int wait = 0;
    int waitSide = 0;
    int crossSide = 0;
};

struct Keys {
    bool left = false, right = false, up = false, down = false;
};

// The index of the lane the player must cross next, or -1 when only the top line is left.
int nextLane(const Field& field);
// The lowest y the player's centre may reach below lane `lane` without its box entering the
// lane's band.
int waitLine(const Field& field, int lane);
// Keys for frame `elapsed` of the plan from where the player stands.
Keys planKeys(const Field& field, int lane, const Plan& plan, int elapsed);

// One frame of the player's own motion, each key tested on its own as the game does.
Point movePlayer(const Field& field, Point at, const Keys& keys);

struct Outcome {
    bool safe = false;
    int frames = 0; // until the lane is cleared
    Point end;
};
// Plays the plan on the forecast from frame `from` on (frame `from` is now).
Outcome tryPlan(const Field& field, const Forecast& forecast, int from, int lane, const Plan& plan,
                int margin);
// The quickest safe plan, if any.
std::optional<Plan> bestPlan(const Field& field, const Forecast& forecast, int from, int lane,
                             int margin);

// --- Shooting ---
struct ShotResult {
    enum What { Nothing, Enemy, Tank, Block } what = Nothing;
    int index = -1; // the enemy, or the lane of the tank
    int tank = -1;  // the tank in its lane
    int frames = 0;
};
// Where a shot fired now at the sprite rotation `rotation` ends: the first thing it hits, tested
// in the game's order (tanks, then towers and soldiers, then blocks).
ShotResult predictShot(const Field& field, const Forecast& forecast, double rotation);
// The rotation the player's sprite has after one more turn towards `aim`.
double turnedRotation(const Field& field, Point aim);
// True when no block would swallow a shot flying straight from `from` to `to` (a block takes
// every shot that passes within 50 px of its centre; `clearance` adds room for error).
bool blocksClear(const Field& field, Point from, Point to, double clearance = 52);
// The same for blocks and the harmful tanks (a tank takes shots within 67 px of its centre), with
// the tanks where the forecast has them when the shot fired at frame `from` crosses their lane:
// the timing of a practised player, who sees the tanks drive but does not work out the flight of
// each shot. `margin` widens the tanks' reach.
bool lineClear(const Field& field, const Forecast& forecast, int from, Point a, Point b,
               int margin);
// True when a tower can fire at a player standing at `at`.
bool towerReaches(const Field& field, Point at);
// True when the enemy can fire at a player standing at `at`, now or once it has walked up to it.
bool canReach(const Field& field, const EnemyView& enemy, Point at);
// True when some enemy can; when some enemy soldier can.
bool threatened(const Field& field, Point at);
bool soldierThreat(const Field& field, Point at);

// The ways up a band to the line `top`, round blocks and out of every tower's reach, on a grid.
class Route {
  public:
    static constexpr int cell = 6;
    Route(const Field& field, int top, int bottom);
    // Grid steps to the top line, -1 when there is no way.
    int distanceAt(Point p) const;
    // The keys that bring the player nearer the top line, if it is on a way.
    std::optional<Keys> step(const Field& field) const;

  private:
    int left_, top_, cols_ = 0, rows_ = 0;
    std::vector<int> distance_;
};
// The enemy to fight next: those that can fire at the player where it stands or where it goes
// next come first, then the nearest. -1 when none is left.
int chooseTarget(const Field& field, Point next);

} // namespace autoplay
