#pragma once

#include "Learn/PracticeStep.h"

#include <QString>

#include <optional>
#include <variant>

// One caption card of the practice hand: a step's explanation, or the one shown after a fold.
struct PracticeCaption {
    struct Folded {
        bool operator==(const Folded&) const = default;
    };
    using Kind = std::variant<PracticeStep, Folded>;

    Kind kind;
    QString title;
    // Markdown, terms in bold between double asterisks.
    QString body;

    bool operator==(const PracticeCaption&) const = default;

    // "Step <n> of 7"; none for the fold caption.
    std::optional<QString> stepLabel() const;
    // What a screen reader hears when the card appears: the step label, the title, the body without its
    // markers, and the keys that answer it ("Step 2 of 7. The blinds. … Press Return for Got It.").
    QString announcement() const;
    // The keys that answer it: "Press Return for Got It.".
    QString keys() const;
};

// The heading of a step's caption.
QString title(PracticeStep step);
