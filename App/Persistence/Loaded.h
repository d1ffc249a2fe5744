#pragma once

#include "PokerEngine/Precondition.h"

#include <optional>
#include <utility>

// The result of reading one stored file.
template <class T> class Loaded {
  public:
    enum class Kind {
        // Read, its schema accepted and decoded.
        loaded,
        // There is no such file.
        missing,
        // The file is there but holds nothing usable; it has been logged and, where possible, moved aside.
        unreadable,
    };

    static Loaded loaded(T value) { return Loaded(Kind::loaded, std::move(value)); }
    static Loaded missing() { return Loaded(Kind::missing, std::nullopt); }
    static Loaded unreadable() { return Loaded(Kind::unreadable, std::nullopt); }

    Kind kind() const { return kind_; }
    bool isLoaded() const { return kind_ == Kind::loaded; }
    const T& value() const {
        CW_PRECONDITION(isLoaded());
        return *value_;
    }

  private:
    Loaded(Kind kind, std::optional<T> value)
        : kind_(kind)
        , value_(std::move(value)) {}

    Kind kind_;
    std::optional<T> value_;
};
