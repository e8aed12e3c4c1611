#pragma once

#include "platform/GameClock.hpp"
#include "platform/Random.hpp"
#include "world/Types.hpp"

#include <SFML/Graphics.hpp>
#include <string>
#include <vector>

class AssetStore;

// Everything that lives on the playing field. Positions are window pixels; every float-to-int
// conversion drops the fraction (the motion rules depend on it).
//
// Sprite entities keep integer fields beside the sprite's float position; their own placing
// operations update both together.

// The player and the enemy soldiers. Owns its picture, so it is not copyable: the game holds
// soldiers by pointer.
class Soldier : public sf::Sprite {
  public:
    // Built from the level number as text: the soldier picture of that text, kind = the text's
    // number, statistics from the per-kind table.
    Soldier(const std::string& levelText, const GameClock& clock);
    Soldier(const Soldier&) = delete;
    Soldier& operator=(const Soldier&) = delete;

    void setPosition(int x, int y);
    void reapplyPosition();
    Point centre() const;

    void takeHit();
    void refillAmmo();
    bool canFire() const;
    void consumeShot();

    void aimAt(Point target);
    void move(float dt, int dx, int dy);

    sf::Texture image;
    Stopwatch fireClock;
    Box box;
    int life = 100;
    int kind = 0;
    int range = 0;
    double damage = 0.0;
    double turnRate = 0.0;
    double moveRate = 0.0;
    double fireRate = 0.0;
    int ammo = 100;
    Point position;
};

class Tower : public sf::Sprite {
  public:
    Tower(const AssetStore& assets, int level, const GameClock& clock);

    void setPosition(int x, int y);
    Point centre() const;

    void takeHit();
    bool canFire() const;
    void restartFireClock();

    void aimAt(Point target);

    Stopwatch fireClock;
    Box box;
    int life = 100;
    int damage = 0;
    int fireRate = 0;
    int turnRate = 0;
    int shotKind = 0;
    int range = 0;
};

class Tank : public sf::Sprite {
  public:
    Tank(int level, int kind, const sf::Texture& image);

    void setPosition(int x, int y);
    Point centre() const;
    void setFacing(bool movesRight);
    void takeHit();
    // One frame of driving.
    void move(float dt);

    Box box;
    int life = 100;
    int kind = 0;
    int level = 0;
    double speed = 0.0;
    bool movesRight = false;
};

// A lane of tanks across the field that drive in one direction without end.
class Track {
  public:
    Track(int level, int width, bool movesRight, const AssetStore& assets, RandomEngine& random);

    void place(int x, int y);
    void makeTank(int x, int y, const AssetStore& assets, RandomEngine& random);
    // One frame: drive, drop the tanks that left the lane, replace them.
    void update(float dt, const AssetStore& assets, RandomEngine& random);

    std::vector<Tank> tanks;
    Point origin;
    int level = 0;
    int width = 0;
    bool movesRight = false;
};

class Block : public sf::Sprite {
  public:
    explicit Block(const sf::Texture& image);

    void setPosition(int x, int y);
    Point centre() const;
    void takeHit();

    Box box;
    int life = 100;
};

enum ItemKind { Life = 1, Points = 2, Ammunition = 3 };

class Item : public sf::Sprite {
  public:
    // An item of an unknown kind has no picture (nullptr) but is kept, so picking it up
    // still removes it.
    Item(int kind, const sf::Texture* image);

    void setPosition(int x, int y);
    Point centre() const;

    int kind = 0;
    Box box;
};

struct Shot {
    Shot(int x, int y, double angle, double damage, int shotKind, bool fromPlayer);

    int x = 0;
    int y = 0;
    double angle = 0.0;
    int damage = 0;
    int shotKind = 0;
    bool fromPlayer = false;
};

struct Explosion {
    Explosion(Point position, bool fullSize, const GameClock& clock);

    // Next picture every 0.05 s.
    void advance();

    Point position;
    sf::Sprite sprite;
    Stopwatch clock;
    int frame = 0;
    bool fullSize = false;
};

// "+" and the points won, rising in red from where they were won.
class ScorePopup : public sf::Text {
  public:
    ScorePopup(const std::string& text, int x, int y, const sf::Font& font, const GameClock& clock);

    // One ageing step (the design's ScorePopup::age; the field keeps the name `age`).
    void ageStep(float dt);
    bool finished() const { return age > 100; }

    Stopwatch clock;
    Point start;
    int age = 0;
};
