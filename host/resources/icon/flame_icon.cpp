// The flame icon: see flame_icon.h. The shape is written once, in units of a
// 32-pixel square, and scaled; the pictures measure their smooth edge in
// their own pixels, so a small one stays as crisp as a large one.
#include "host/resources/icon/flame_icon.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace blazemere::resources {
namespace {

constexpr double kUnits = 32.0;  // the shape's square
constexpr double kCentre = 16.0;

// Across the flame, `fromTop` running from 0 at its tip to 1 at its foot:
// where its middle sways to, and how far it reaches either side of it.
double Sway(double fromTop) { return 2.2 * std::sin(fromTop * 7.0) * (1.0 - fromTop); }

double HalfWidth(double fromTop) {
  const double foot = fromTop > 0.85 ? (1.0 - fromTop) / 0.15 * 0.5 + 0.5 : 1.0;
  return 13.5 * std::pow(fromTop, 0.8) * foot;
}

// Hottest in the middle, cooler toward the edge and toward the tip.
double Heat(double distance, double halfWidth, double fromTop, double narrowest) {
  return std::clamp(1.0 - distance / std::max(halfWidth, narrowest), 0.0, 1.0) * std::min(1.0, fromTop * 1.6);
}

struct Rgb {
  int red, green, blue;
};

Rgb HeatColour(double heat) {
  return {static_cast<int>(190 + 65 * std::min(1.0, heat * 2.0)), static_cast<int>(20 + 225 * heat * heat),
          static_cast<int>(160 * std::pow(heat, 4.0))};
}

std::uint8_t Level(int value) { return static_cast<std::uint8_t>(std::clamp(value, 0, 255)); }

// SVG text for one number, always with a dot.
std::string Number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.3f", value);
  return text;
}

std::string ColourText(const Rgb& colour) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", Level(colour.red), Level(colour.green), Level(colour.blue));
  return text;
}

// The outline of the part of the flame at least `heat` hot (0: the whole
// flame), as an SVG polygon's points: down its right side, up its left.
std::string HeatOutline(double heat) {
  constexpr int kSteps = 64;
  const double top = heat / 1.6;  // the hottest part starts lower down
  std::string right, left;
  for (int i = 0; i <= kSteps; ++i) {
    const double fromTop = top + (1.0 - top) * i / kSteps;
    const double reach = fromTop <= 0.0 ? 0.0 : 1.0 - heat / std::min(1.0, fromTop * 1.6);
    const double half = HalfWidth(fromTop) * std::max(reach, 0.0);
    const double middle = kCentre + Sway(fromTop);
    const std::string y = Number(fromTop * kUnits);
    right += Number(middle + half) + "," + y + " ";
    left = Number(middle - half) + "," + y + " " + left;
  }
  return right + left;
}

}  // namespace

FlameIconPixels DrawFlameIcon(int size) {
  FlameIconPixels icon{size, std::vector<std::uint8_t>(static_cast<std::size_t>(size) * size * 4, 0)};
  const double scale = size / kUnits;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const double fromTop = (y + 0.5) / size;
      const double halfWidth = HalfWidth(fromTop);
      const double distance = std::fabs((x + 0.5) / scale - kCentre - Sway(fromTop));
      const double edge = (halfWidth - distance) * scale;  // in pixels, inside the edge
      if (halfWidth <= 0.0 || edge <= -1.0) continue;      // transparent black
      const Rgb colour = HeatColour(Heat(distance, halfWidth, fromTop, 0.5 / scale));
      std::uint8_t* pixel = &icon.rgba[(static_cast<std::size_t>(y) * size + x) * 4];
      pixel[0] = Level(colour.red);
      pixel[1] = Level(colour.green);
      pixel[2] = Level(colour.blue);
      pixel[3] = Level(static_cast<int>(255 * std::clamp(edge + 1.0, 0.0, 1.0)));
    }
  }
  return icon;
}

// The heat is laid down as nested outlines, one per step of heat, and blurred
// a little so the steps melt into each other; the blur stays inside the
// flame's outline, over a plain rim that keeps the edge crisp.
std::string FlameIconSvg() {
  constexpr int kSteps = 20;
  std::string svg =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"32\" height=\"32\" viewBox=\"0 0 32 32\">\n"
      "  <defs>\n"
      "    <clipPath id=\"flame\"><polygon points=\"" + HeatOutline(0.0) + "\"/></clipPath>\n"
      "    <filter id=\"melt\" x=\"-0.1\" y=\"-0.1\" width=\"1.2\" height=\"1.2\">"
      "<feGaussianBlur stdDeviation=\"0.4\"/></filter>\n"
      "  </defs>\n"
      "  <g clip-path=\"url(#flame)\">\n"
      "    <polygon fill=\"" + ColourText(HeatColour(0.0)) + "\" points=\"" + HeatOutline(0.0) + "\"/>\n"
      "    <g filter=\"url(#melt)\">\n";
  for (int step = 0; step < kSteps; ++step) {
    const double heat = static_cast<double>(step) / kSteps;
    svg += "      <polygon fill=\"" + ColourText(HeatColour(heat + 0.5 / kSteps)) + "\" points=\"" +
           HeatOutline(heat) + "\"/>\n";
  }
  svg += "    </g>\n  </g>\n</svg>\n";
  return svg;
}

}  // namespace blazemere::resources
