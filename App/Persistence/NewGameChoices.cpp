#include "Persistence/NewGameChoices.h"

#include "Persistence/Lenient.h"

void to_json(nlohmann::json& json, const NewGameChoices& choices) {
    json = {{"quickHandDifficulty", choices.quickHandDifficulty},
            {"quickHandHands", choices.quickHandHands},
            {"sitAndGoDifficulty", choices.sitAndGoDifficulty},
            {"cashStakes", choices.cashStakes},
            {"cashBuyInBB", choices.cashBuyInBB},
            {"cashOpponents", choices.cashOpponents},
            {"cashDifficulty", choices.cashDifficulty}};
}

void from_json(const nlohmann::json& json, NewGameChoices& choices) {
    NewGameChoices read;
    if (json.is_object()) {
        Lenient::read(json, "quickHandDifficulty", read.quickHandDifficulty);
        Lenient::read(json, "quickHandHands", read.quickHandHands);
        Lenient::read(json, "sitAndGoDifficulty", read.sitAndGoDifficulty);
        Lenient::read(json, "cashStakes", read.cashStakes);
        Lenient::read(json, "cashBuyInBB", read.cashBuyInBB);
        Lenient::read(json, "cashOpponents", read.cashOpponents);
        Lenient::read(json, "cashDifficulty", read.cashDifficulty);
    }
    choices = read;
}
