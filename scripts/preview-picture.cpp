// Renders the player window's staff picture for a look by eye, without Windows: prints it as
// ImageMagick vector graphics (MVG) on the window's yellow, scaled to WIDTH x HEIGHT pixels.
//
//   g++ -std=c++17 -I. scripts/preview-picture.cpp player/staff_picture.cpp -o /tmp/preview-picture
//   /tmp/preview-picture 249 49 > /tmp/staff.mvg && convert mvg:/tmp/staff.mvg /tmp/staff.png
#include <cstdio>
#include <cstdlib>

#include "player/staff_picture.h"

int main(int argc, char** argv) {
  const auto& picture = player::StaffPicture();
  const int width = argc > 2 ? std::atoi(argv[1]) : picture.width;
  const int height = argc > 2 ? std::atoi(argv[2]) : picture.height;
  const double sx = double(width) / picture.width, sy = double(height) / picture.height;
  std::printf("viewbox 0 0 %d %d\nfill yellow rectangle 0,0 %d,%d\n", width, height, width, height);
  std::printf("affine %g 0 0 %g 0 0\nstroke-linecap round\n", sx, sy);
  using Kind = platform::VectorPicture::Kind;
  for (const auto& shape : picture.shapes) {
    const auto& p = shape.points;
    switch (shape.kind) {
      case Kind::Line:
        std::printf("fill none stroke black stroke-width %d line %d,%d %d,%d\n", shape.stroke, p[0].x, p[0].y,
                    p[1].x, p[1].y);
        break;
      case Kind::Bezier: {
        // Flattened into short lines: ImageMagick's own curves come out filled.
        auto at = [&](double t, int axis) {
          const double s = 1 - t;
          const double w[4] = {s * s * s, 3 * s * s * t, 3 * s * t * t, t * t * t};
          double sum = 0;
          for (int k = 0; k < 4; ++k) sum += w[k] * (axis == 0 ? p[k].x : p[k].y);
          return sum;
        };
        for (int i = 0; i < 32; ++i) {
          std::printf("fill none stroke black stroke-width %d line %.2f,%.2f %.2f,%.2f\n", shape.stroke,
                      at(i / 32.0, 0), at(i / 32.0, 1), at((i + 1) / 32.0, 0), at((i + 1) / 32.0, 1));
        }
        break;
      }
      case Kind::FilledEllipse:
        std::printf("fill black stroke none ellipse %g,%g %g,%g 0,360\n", (p[0].x + p[1].x) / 2.0,
                    (p[0].y + p[1].y) / 2.0, (p[1].x - p[0].x) / 2.0, (p[1].y - p[0].y) / 2.0);
        break;
      case Kind::FilledPolygon:
        std::printf("fill black stroke none polygon");
        for (const auto& point : p) std::printf(" %d,%d", point.x, point.y);
        std::printf("\n");
        break;
    }
  }
  return 0;
}
