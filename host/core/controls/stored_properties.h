// The stored design-time values of one placed control: a bag of named values
// whose keys compare without regard to case, as the form that holds the
// control restores and saves them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "host/core/controls/caption_font.h"

namespace blazemere::controls {

// A stored value keeps the type it was written with; reading converts it to
// the type the reader needs, or gives nothing when it cannot.
using StoredValue = std::variant<bool, std::int64_t, std::string, CaptionFont>;

class StoredProperties {
 public:
  // The stored value, or `fallback` when the key is not stored.
  StoredValue Read(const std::string& key, const StoredValue& fallback) const;
  // Stores the value unless it equals `fallback` (then the key is removed).
  void Write(const std::string& key, const StoredValue& value, const StoredValue& fallback);
  // Stores the value unconditionally (what a container or a form's
  // construction code does for its own keys).
  void Set(const std::string& key, const StoredValue& value);

  std::size_t size() const { return values_.size(); }
  // The stored keys in the order they were first written.
  std::vector<std::string> Keys() const;

 private:
  using Entry = std::pair<std::string, StoredValue>;
  std::vector<Entry>::const_iterator Locate(const std::string& key) const;

  std::vector<Entry> values_;
};

// Conversions the way the control's stored values are read: numbers from
// text that spells them, booleans from numbers and from "True"/"False".
// Nothing when the value cannot be converted or does not fit.
[[nodiscard]] std::optional<bool> StoredAsBool(const StoredValue& value);
[[nodiscard]] std::optional<std::int64_t> StoredAsInteger(const StoredValue& value, std::int64_t min, std::int64_t max);
[[nodiscard]] std::optional<std::string> StoredAsText(const StoredValue& value);
[[nodiscard]] std::optional<CaptionFont> StoredAsFont(const StoredValue& value);

// Whether two stored values are equal in the sense of "equals its default":
// text that spells a number equals that number.
[[nodiscard]] bool StoredValuesEqual(const StoredValue& a, const StoredValue& b);

}  // namespace blazemere::controls
