#pragma once

#include <nlohmann/json.hpp>

#include <string>

// The text of a stored file: compact, every object's keys sorted, and "/" written as "\/" as the
// files have always had it. Throws nlohmann's type_error for text that is not valid UTF-8.
std::string storedJsonText(const nlohmann::json& value);
