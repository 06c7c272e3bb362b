// One log that every double writes to, so tests can check the order of beeps, speech, boxes
// and device calls across the platform.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

namespace doubles {

struct EventLog {
  std::vector<std::string> events;

  void Add(const std::string& event) { events.push_back(event); }
  void Clear() { events.clear(); }
  size_t Count(const std::string& event) const {
    return static_cast<size_t>(std::count(events.begin(), events.end(), event));
  }
  // Events that start with the prefix, in order.
  std::vector<std::string> Starting(const std::string& prefix) const {
    std::vector<std::string> found;
    for (const auto& e : events) {
      if (e.rfind(prefix, 0) == 0) found.push_back(e);
    }
    return found;
  }
};

}  // namespace doubles
