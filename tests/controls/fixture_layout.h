// Where the Command button fixture puts its named buttons (relative to its
// window, 25 pixels high each), shared by the fixture and the window test.
#pragma once

#include <string_view>

namespace blazemere::controls::fixture {

struct Placement { const char* name; int x, y, width; const char* caption; };

inline constexpr Placement kButtons[] = {
    {"set", 10, 10, 81, "設定"}, {"cancel", 100, 10, 81, "ｷｬﾝｾﾙ"}, {"file", 190, 10, 41, "..."},
    {"bare", 10, 50, 81, ""},    {"narrow", 100, 50, 41, ""},
};

inline const Placement& PlacementOf(std::string_view name) {
  for (const Placement& placement : kButtons) {
    if (name == placement.name) return placement;
  }
  return kButtons[0];
}

}  // namespace blazemere::controls::fixture
