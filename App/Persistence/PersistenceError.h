#pragma once

#include <stdexcept>
#include <string>

// Why a file could not be written. Writing never leaves a partial file: the old one stays intact.
class PersistenceError : public std::runtime_error {
  public:
    explicit PersistenceError(const std::string& description)
        : std::runtime_error(description) {}
};
