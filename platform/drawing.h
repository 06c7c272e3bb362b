// Geometry, colours, fonts and the vector pictures that windows are laid out with. Positions and
// sizes are pixels of a window's client area.
#pragma once

#include <cstdint>
#include <vector>

namespace platform {

struct Color {
  uint8_t red, green, blue;
  bool operator==(const Color& o) const { return red == o.red && green == o.green && blue == o.blue; }
  bool operator!=(const Color& o) const { return !(*this == o); }
};

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

// The outline of a rectangle drawn with a solid pen centred on its edges; the inside is not
// filled.
struct Outline {
  Rect rect;
  Color pen;
  int pen_width;
  bool operator==(const Outline& o) const {
    return rect == o.rect && pen == o.pen && pen_width == o.pen_width;
  }
};

// What a font is for; each platform maps a role to a family it has installed (on Windows the
// Japanese system faces, elsewhere fonts that hold the same characters).
enum class FontRole {
  Proportional,  // the windows' own text: "ＭＳ Ｐゴシック" on Windows
  Monospaced,    // the song buttons: "ＭＳ ゴシック" on Windows
};

// A font of the Japanese character set in the system's window-text colour.
struct FontSpec {
  FontRole role = FontRole::Proportional;
  int pixel_height = 12;  // character height in pixels
  bool bold = false;
  bool operator==(const FontSpec& o) const {
    return role == o.role && pixel_height == o.pixel_height && bold == o.bold;
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
