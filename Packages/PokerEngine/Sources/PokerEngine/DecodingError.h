#pragma once

#include <stdexcept>
#include <string>

namespace PokerEngine {

// Why a JSON record could not be read. Every reader in the program (engine records, the profile,
// the saved game) reports failures with this one type, so the store can log and quarantine any of them.
class DecodingError : public std::runtime_error {
  public:
    enum class Kind { typeMismatch, valueNotFound, keyNotFound, dataCorrupted };

    DecodingError(Kind kind, const std::string& description)
        : std::runtime_error(description)
        , kind_(kind)
        , description_(description) {}

    Kind kind() const { return kind_; }
    const std::string& description() const { return description_; }

    static DecodingError typeMismatch(const std::string& description) {
        return DecodingError(Kind::typeMismatch, description);
    }
    static DecodingError dataCorrupted(const std::string& description) {
        return DecodingError(Kind::dataCorrupted, description);
    }
    static DecodingError keyNotFound(const std::string& key) {
        return DecodingError(Kind::keyNotFound, "No value associated with key \"" + key + "\".");
    }

  private:
    Kind kind_;
    std::string description_;
};

} // namespace PokerEngine
