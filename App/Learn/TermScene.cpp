#include "Learn/TermScene.h"

TermScene termScene(Term term) {
    switch (term) {
    case Term::allIn:
    case Term::bankroll:
    case Term::buyIn:
    case Term::pot:
    case Term::sidePot:
    case Term::stack:
        return TermScene::chips;
    case Term::bigBlind:
    case Term::blinds:
    case Term::smallBlind:
    case Term::stakes:
        return TermScene::blinds;
    case Term::button:
        return TermScene::dealerButton;
    case Term::cashTable:
    case Term::sitAndGo:
        return TermScene::table;
    case Term::headsUp:
    case Term::quickHand:
        return TermScene::headsUpTable;
    case Term::difficulty:
        return TermScene::avatars;
    default:
        return TermScene::cards;
    }
}
