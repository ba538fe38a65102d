// The one kind of error Setup throws: a text shown in a "Fatal error" box, exit code -1.
// Anything else that escapes to the entry routine is reported as "Unexpected exception".
#pragma once

#include <stdexcept>
#include <string>

class SetupError : public std::runtime_error {
 public:
  explicit SetupError(const std::string& message) : std::runtime_error(message) {}
};
