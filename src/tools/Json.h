#pragma once
// A minimal JSON writer for jcwtool's output: one object, keys in the order written.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace jcw {

class JsonObject {
 public:
  void add(std::string_view key, long long number);
  // null when there is no number.
  void add(std::string_view key, std::optional<long long> number);
  void add(std::string_view key, bool flag);
  void add(std::string_view key, const std::vector<int>& numbers);
  void add(std::string_view key, const std::vector<std::vector<int>>& lists);
  void add(std::string_view key, const std::vector<std::string>& strings);
  void add(std::string_view key, const std::vector<std::vector<std::string>>& lists);
  void add(std::string_view key, const JsonObject& object);
  // The object as one line.
  std::string str() const;

 private:
  void addRaw(std::string_view key, const std::string& json);
  std::string body_;
};

std::string jsonString(std::string_view text);

}  // namespace jcw
