#pragma once

// Window-pixel positions and rectangles of the playing field.
struct Point {
    int x = 0;
    int y = 0;

    Point() = default;
    Point(int x, int y) : x(x), y(y) {}
    bool operator==(const Point&) const = default;
};

struct Box {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    Box() = default;
    Box(int left, int top, int width, int height)
        : left(left), top(top), width(width), height(height) {}
    bool operator==(const Box&) const = default;
};
