// Geometry, colours, fonts and the vector pictures that windows are laid out with.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

struct Color {
  uint8_t red, green, blue;
  bool operator==(const Color& o) const { return red == o.red && green == o.green && blue == o.blue; }
};

constexpr Color kYellow{255, 255, 0};
constexpr Color kBlue{0, 0, 255};
constexpr Color kBlack{0, 0, 0};

// A control's place in its window's client area.
struct Bounds {
  int left, top, width, height;
  bool operator==(const Bounds& o) const {
    return left == o.left && top == o.top && width == o.width && height == o.height;
  }
};

// A rectangle by its corners, for drawing.
struct Rect {
  int left, top, right, bottom;
  bool operator==(const Rect& o) const {
    return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
  }
};

// A font of the Shift-JIS character set in the system's window-text colour.
struct FontSpec {
  std::string face;  // Shift-JIS
  int height;        // character height in pixels
  bool bold;
  bool operator==(const FontSpec& o) const {
    return face == o.face && height == o.height && bold == o.bold;
  }
};

// A black line drawing without a background of its own, in its own units; the platform stretches
// it to the control that shows it and lets the window's colour show around the strokes.
struct VectorPicture {
  struct Point {
    int x, y;
  };
  enum class Kind {
    Line,           // points[0] to points[1], stroked
    Bezier,         // cubic curve through 4 points, stroked
    FilledEllipse,  // bounding box points[0]..points[1]
    FilledPolygon,  // closed outline of all points
  };
  struct Shape {
    Kind kind;
    int stroke;  // pen width in units, for the stroked kinds
    std::vector<Point> points;
  };
  int width, height;
  std::vector<Shape> shapes;
};

}  // namespace platform
