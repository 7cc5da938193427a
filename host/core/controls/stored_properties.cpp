// Case-insensitive bag of stored values with the conversions a control
// applies when it reads them back.
#include "host/core/controls/stored_properties.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <limits>

namespace blazemere::controls {
namespace {

unsigned char Lower(char c) { return static_cast<unsigned char>(std::tolower(static_cast<unsigned char>(c))); }

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

bool EqualsIgnoringCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Lower(x) == Lower(y); });
}

// Whole numbers as text: optional sign, decimal digits, nothing else.
std::optional<std::int64_t> ParseInteger(const std::string& text) {
  std::string digits = Trimmed(text);
  if (!digits.empty() && digits.front() == '+') digits.erase(0, 1);
  std::int64_t value = 0;
  const char* end = digits.data() + digits.size();
  const auto [ptr, error] = std::from_chars(digits.data(), end, value);
  if (digits.empty() || error != std::errc() || ptr != end) return std::nullopt;
  return value;
}

}  // namespace

std::vector<StoredProperties::Entry>::const_iterator StoredProperties::Locate(const std::string& key) const {
  return std::find_if(values_.begin(), values_.end(),
                      [&](const Entry& entry) { return EqualsIgnoringCase(entry.first, key); });
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

bool StoredProperties::Contains(const std::string& key) const { return Locate(key) != values_.end(); }

std::optional<StoredValue> StoredProperties::Find(const std::string& key) const {
  const auto found = Locate(key);
  if (found == values_.end()) return std::nullopt;
  return found->second;
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
    const std::string word = Trimmed(*text);
    if (EqualsIgnoringCase(word, "true")) return true;
    if (EqualsIgnoringCase(word, "false")) return false;
    if (const auto number = ParseInteger(word)) return *number != 0;
  }
  return std::nullopt;
}

std::optional<std::int64_t> StoredAsInteger(const StoredValue& value, std::int64_t min, std::int64_t max) {
  std::optional<std::int64_t> number;
  if (const auto* flag = std::get_if<bool>(&value)) number = *flag ? -1 : 0;
  if (const auto* whole = std::get_if<std::int64_t>(&value)) number = *whole;
  if (const auto* text = std::get_if<std::string>(&value)) number = ParseInteger(*text);
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
