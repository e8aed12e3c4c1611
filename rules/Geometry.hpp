#pragma once

#include "world/Types.hpp"

// Shared geometry of the gameplay rules. Angles are degrees; a sprite rotation of 0 faces straight
// up the screen. Every float-to-int conversion drops the fraction.

double distance(Point a, Point b);

// The rotation (from -90 to 270) that makes an up-pointing picture at `from` face `to`.
double angleTo(Point from, Point to);

// Moves p by d along a compass heading (0 up, 90 right, clockwise). The distance is measured as a
// diamond: a diagonal step advances d/2 on each axis.
void stepAlong(Point& p, int d, double heading);

// Strictly inside: a point on the border is outside.
bool containsStrict(const Box& box, Point p);

// True when a corner of one box lies strictly inside the other.
bool boxesTouch(const Box& a, const Box& b);

// Turns `rotation` one step of `turnRate` towards facing `target` from `centre`; the result is the
// new rotation before the sprite reduces it into [0, 360).
double turnTowards(double rotation, double turnRate, Point centre, Point target);

// The right stick aims at a point this far from the soldier's centre, in the stick's direction
// (dx, dy of length 1).
constexpr int stickSightDistance = 150;
Point sightAround(Point centre, float dx, float dy);
