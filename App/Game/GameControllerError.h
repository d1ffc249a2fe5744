#pragma once

#include <exception>

// Why the controller refused the player's action before it reached the engine. The screens
// supply the wording.
class GameControllerError : public std::exception {
  public:
    enum class Kind {
        noTable, // no table runs
        paused,  // a pause reason is set
    };

    explicit GameControllerError(Kind kind)
        : kind_(kind) {}
    Kind kind() const { return kind_; }
    const char* what() const noexcept override {
        return kind_ == Kind::noTable ? "no table" : "table paused";
    }

  private:
    Kind kind_;
};
