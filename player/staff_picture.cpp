// The staff picture at the foot of the player window, built from the staff's own measures (line
// gap, note spacing, note heights) by a few helpers. The platform stretches its units to the
// picture control's pixels, so strokes are kept wide enough to survive the shrinking by half.
#include "player/staff_picture.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <vector>

namespace player {
namespace {

using Picture = platform::VectorPicture;
using Point = Picture::Point;
using Kind = Picture::Kind;

constexpr int kWidth = 482;
constexpr int kHeight = 107;

constexpr int kLineGap = 12;                      // distance between two staff lines
constexpr int kTopLine = 30;                      // the highest of the five lines
constexpr int kBottomLine = kTopLine + 4 * kLineGap;
constexpr int kStaffLeft = 6;
constexpr int kStaffRight = kWidth - 6;
constexpr int kThinStroke = 2;
constexpr int kThickBar = 7;                      // width of the heavy line of a double bar
constexpr int kDoubleBarGap = 5;                  // space between the heavy and the thin line

constexpr int kNoteSpacing = 34;
constexpr int kHeadHalfWidth = 8;
constexpr int kHeadHalfHeight = 5;
constexpr double kHeadTilt = -0.35;               // radians: note heads lean up to the right
constexpr double kPi = 3.14159265358979323846;
constexpr int kStemLength = 33;                   // from the head's centre to the beam at a group's ends
constexpr int kBeamArch = 11;                     // how far the beam bulges above its straight line
constexpr int kBeamStroke = 6;

// A note's height on the staff in half line gaps: 0 on the bottom line, 2 on the next line, ...
int HeadY(int step) { return kBottomLine - step * kLineGap / 2; }

void AddStroke(Picture& picture, Kind kind, int stroke, std::initializer_list<Point> points) {
  picture.shapes.push_back({kind, stroke, points});
}

void AddLine(Picture& picture, Point from, Point to, int stroke) {
  AddStroke(picture, Kind::Line, stroke, {from, to});
}

// A smooth stroke through a chain of cubic curves: start, then three points per curve.
void AddCurve(Picture& picture, int stroke, const std::vector<Point>& chain) {
  for (size_t i = 0; i + 3 < chain.size(); i += 3) {
    AddStroke(picture, Kind::Bezier, stroke, {chain[i], chain[i + 1], chain[i + 2], chain[i + 3]});
  }
}

void AddFilledRect(Picture& picture, int left, int top, int right, int bottom) {
  picture.shapes.push_back(
      {Kind::FilledPolygon, 0, {{left, top}, {right, top}, {right, bottom}, {left, bottom}}});
}

void AddStaffLines(Picture& picture) {
  for (int line = 0; line < 5; ++line) {
    const int y = kTopLine + line * kLineGap;
    AddLine(picture, {kStaffLeft, y}, {kStaffRight, y}, kThinStroke);
  }
}

void AddBarLine(Picture& picture, int x) {
  AddLine(picture, {x, kTopLine}, {x, kBottomLine}, kThinStroke);
}

// A heavy line at the staff's outer end and a thin one inside it; inward is +1 at the left end
// and -1 at the right end.
void AddDoubleBar(Picture& picture, int outerX, int inward) {
  const int innerEdge = outerX + inward * kThickBar;
  AddFilledRect(picture, std::min(outerX, innerEdge), kTopLine - 1, std::max(outerX, innerEdge),
                kBottomLine + 1);
  AddBarLine(picture, innerEdge + inward * kDoubleBarGap);
}

// The G clef drawn as a pen would: the curl round the G line, up to the loop above the staff,
// down the spine below the staff, and a hook ending in a dot. Offsets are from the curl's centre.
void AddTrebleClef(Picture& picture, int centreX) {
  const int gLine = kBottomLine - kLineGap;
  auto at = [&](int dx, int dy) { return Point{centreX + dx, gLine + dy}; };
  AddCurve(picture, 3, {at(4, 2), at(4, -7), at(-10, -8), at(-11, 1)});    // the inner curl
  AddCurve(picture, 5, {at(-11, 1), at(-12, 15), at(13, 17), at(13, 1)});  // the bowl
  AddCurve(picture, 4, {at(13, 1), at(13, -12), at(-9, -15), at(-8, -29),  // up to the loop
                        at(-7, -41), at(4, -47), at(6, -55),                // the loop's top
                        at(10, -45), at(1, -8), at(4, 25)});                // the spine
  AddCurve(picture, 3, {at(4, 25), at(5, 33), at(-6, 34), at(-7, 27)});     // the hook
  picture.shapes.push_back({Kind::FilledEllipse, 0, {at(-11, 23), at(-3, 31)}});
}

void AddNoteHead(Picture& picture, Point centre) {
  Picture::Shape head{Kind::FilledPolygon, 0, {}};
  const int corners = 24;
  for (int i = 0; i < corners; ++i) {
    const double angle = 2 * kPi * i / corners;
    const double u = kHeadHalfWidth * std::cos(angle), v = kHeadHalfHeight * std::sin(angle);
    const double x = u * std::cos(kHeadTilt) - v * std::sin(kHeadTilt);
    const double y = u * std::sin(kHeadTilt) + v * std::cos(kHeadTilt);
    head.points.push_back({centre.x + static_cast<int>(std::lround(x)),
                           centre.y + static_cast<int>(std::lround(y))});
  }
  picture.shapes.push_back(head);
}

// Five eighth notes whose stems rise to one beam that bulges upward. The beam's control points
// are evenly spaced in x, so its height at any stem is a cubic in the stem's position.
void AddBeamedGroup(Picture& picture, int firstHeadX, const int (&steps)[5]) {
  const int stemOffset = kHeadHalfWidth - 1;  // stems rise from the right edge of their heads
  const int x0 = firstHeadX + stemOffset, x3 = x0 + 4 * kNoteSpacing;
  const int y0 = HeadY(steps[0]) - kStemLength, y3 = HeadY(steps[4]) - kStemLength;
  const Point beam[4] = {{x0, y0},
                         {x0 + (x3 - x0) / 3, y0 + (y3 - y0) / 3 - kBeamArch * 4 / 3},
                         {x0 + 2 * (x3 - x0) / 3, y0 + 2 * (y3 - y0) / 3 - kBeamArch * 4 / 3},
                         {x3, y3}};
  AddStroke(picture, Kind::Bezier, kBeamStroke, {beam[0], beam[1], beam[2], beam[3]});
  for (int note = 0; note < 5; ++note) {
    const Point head{firstHeadX + note * kNoteSpacing, HeadY(steps[note])};
    const double t = note / 4.0, s = 1 - t;
    const double beamY = s * s * s * beam[0].y + 3 * s * s * t * beam[1].y +
                         3 * s * t * t * beam[2].y + t * t * t * beam[3].y;
    AddNoteHead(picture, head);
    const int stemX = head.x + stemOffset;
    AddLine(picture, {stemX, head.y - 1}, {stemX, static_cast<int>(std::lround(beamY))}, kThinStroke);
  }
}

Picture MakeStaffPicture() {
  Picture picture{kWidth, kHeight, {}};
  AddStaffLines(picture);
  AddDoubleBar(picture, kStaffLeft, +1);
  AddDoubleBar(picture, kStaffRight, -1);
  AddTrebleClef(picture, 42);
  AddBarLine(picture, 76);
  AddBeamedGroup(picture, 96, {2, 3, 4, 3, 2});
  AddBarLine(picture, 266);
  AddBeamedGroup(picture, 288, {4, 3, 2, 3, 4});
  return picture;
}

}  // namespace

const platform::VectorPicture& StaffPicture() {
  static const Picture picture = MakeStaffPicture();
  return picture;
}

}  // namespace player
