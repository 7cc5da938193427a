// Case-insensitive bag of stored values with the conversions a control
// applies when it reads them back.
#include "host/core/controls/stored_properties.h"

#include <algorithm>
#include <limits>

#include "common/number_text.h"
#include "common/text.h"

namespace blazemere::controls {

std::vector<StoredProperties::Entry>::const_iterator StoredProperties::Locate(const std::string& key) const {
  return std::find_if(values_.begin(), values_.end(),
                      [&](const Entry& entry) { return EqualsIgnoringAsciiCase(entry.first, key); });
}

StoredValue StoredProperties::Read(const std::string& key, const StoredValue& fallback) const {
  const auto found = Locate(key);
  return found == values_.end() ? fallback : found->second;
}

void StoredProperties::Write(const std::string& key, const StoredValue& value, const StoredValue& fallback) {
  if (StoredValuesEqual(value, fallback)) {
    const auto found = Locate(key);
    if (found != values_.end()) values_.erase(found);
  } else {
    Set(key, value);
  }
}

void StoredProperties::Set(const std::string& key, const StoredValue& value) {
  const auto found = Locate(key);
  if (found == values_.end()) {
    values_.emplace_back(key, value);
  } else {
    values_[static_cast<std::size_t>(found - values_.begin())].second = value;
  }
}

std::vector<std::string> StoredProperties::Keys() const {
  std::vector<std::string> keys;
  for (const Entry& entry : values_) keys.push_back(entry.first);
  return keys;
}

std::optional<bool> StoredAsBool(const StoredValue& value) {
  if (const auto* flag = std::get_if<bool>(&value)) return *flag;
  if (const auto* number = std::get_if<std::int64_t>(&value)) return *number != 0;
  if (const auto* text = std::get_if<std::string>(&value)) {
    const std::string_view word = Trim(*text);
    if (EqualsIgnoringAsciiCase(word, "true")) return true;
    if (EqualsIgnoringAsciiCase(word, "false")) return false;
    if (const auto number = ReadInteger(word)) return *number != 0;
  }
  return std::nullopt;
}

std::optional<std::int64_t> StoredAsInteger(const StoredValue& value, std::int64_t min, std::int64_t max) {
  std::optional<std::int64_t> number;
  if (const auto* flag = std::get_if<bool>(&value)) number = *flag ? -1 : 0;
  if (const auto* whole = std::get_if<std::int64_t>(&value)) number = *whole;
  if (const auto* text = std::get_if<std::string>(&value)) number = ReadInteger(*text);
  if (!number || *number < min || *number > max) return std::nullopt;
  return number;
}

std::optional<std::string> StoredAsText(const StoredValue& value) {
  if (const auto* text = std::get_if<std::string>(&value)) return *text;
  if (const auto* number = std::get_if<std::int64_t>(&value)) return std::to_string(*number);
  if (const auto* flag = std::get_if<bool>(&value)) return std::string(*flag ? "True" : "False");
  return std::nullopt;
}

std::optional<CaptionFont> StoredAsFont(const StoredValue& value) {
  if (const auto* font = std::get_if<CaptionFont>(&value)) return *font;
  return std::nullopt;
}

bool StoredValuesEqual(const StoredValue& a, const StoredValue& b) {
  if (a.index() == b.index()) return a == b;
  const bool aFont = std::holds_alternative<CaptionFont>(a);
  const bool bFont = std::holds_alternative<CaptionFont>(b);
  if (aFont || bFont) return false;
  // Text against a number or a boolean compares by the number it spells;
  // a boolean against a number compares as 0 / -1.
  const auto x = StoredAsInteger(a, std::numeric_limits<std::int64_t>::min(), std::numeric_limits<std::int64_t>::max());
  const auto y = StoredAsInteger(b, std::numeric_limits<std::int64_t>::min(), std::numeric_limits<std::int64_t>::max());
  if (std::holds_alternative<bool>(a) && std::holds_alternative<std::string>(b)) {
    return StoredAsBool(b) == std::get<bool>(a);
  }
  if (std::holds_alternative<bool>(b) && std::holds_alternative<std::string>(a)) {
    return StoredAsBool(a) == std::get<bool>(b);
  }
  return x && y && *x == *y;
}

}  // namespace blazemere::controls
