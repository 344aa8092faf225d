#include "tools/Json.h"

#include <cstdio>

namespace jcw {

namespace {
template <typename T, typename F>
std::string array(const std::vector<T>& items, F&& toJson) {
  std::string json = "[";
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i) json += ',';
    json += toJson(items[i]);
  }
  return json + "]";
}
}  // namespace

std::string jsonString(std::string_view text) {
  std::string json = "\"";
  for (unsigned char ch : text) {
    switch (ch) {
      case '"': json += "\\\""; break;
      case '\\': json += "\\\\"; break;
      case '\n': json += "\\n"; break;
      case '\r': json += "\\r"; break;
      case '\t': json += "\\t"; break;
      default:
        if (ch < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", ch);
          json += escaped;
        } else {
          json += static_cast<char>(ch);
        }
    }
  }
  return json + "\"";
}

void JsonObject::addRaw(std::string_view key, const std::string& json) {
  if (!body_.empty()) body_ += ",";
  body_ += jsonString(key) + ":" + json;
}

void JsonObject::add(std::string_view key, long long number) { addRaw(key, std::to_string(number)); }

void JsonObject::add(std::string_view key, std::optional<long long> number) {
  addRaw(key, number ? std::to_string(*number) : "null");
}

void JsonObject::add(std::string_view key, bool flag) { addRaw(key, flag ? "true" : "false"); }

void JsonObject::add(std::string_view key, const std::vector<int>& numbers) {
  addRaw(key, array(numbers, [](int n) { return std::to_string(n); }));
}

void JsonObject::add(std::string_view key, const std::vector<std::vector<int>>& lists) {
  addRaw(key, array(lists, [](const std::vector<int>& list) {
           return array(list, [](int n) { return std::to_string(n); });
         }));
}

void JsonObject::add(std::string_view key, const std::vector<std::string>& strings) {
  addRaw(key, array(strings, [](const std::string& s) { return jsonString(s); }));
}

void JsonObject::add(std::string_view key, const std::vector<std::vector<std::string>>& lists) {
  addRaw(key, array(lists, [](const std::vector<std::string>& list) {
           return array(list, [](const std::string& s) { return jsonString(s); });
         }));
}

void JsonObject::add(std::string_view key, const JsonObject& object) { addRaw(key, object.str()); }

std::string JsonObject::str() const { return "{" + body_ + "}"; }

}  // namespace jcw
