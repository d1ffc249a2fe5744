#pragma once

#include "Game/TableText.h"
#include "Table/TableSpeech.h"

#include "PokerEngine/PlayerView.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <utility>

// What the table screen says, in what order and how often. The screen hands it each change of the game
// and of what it shows, and announces the words it gives back. Each hand is heard as its start, the
// player's own cards once they rest, then what happens in the order it happens: lines that come while
// the cards are still on their way wait behind them, and so do the practice caption, the key a waiting
// result needs and the turn's prompt. The prompt is said once for every moment the game waits for the
// player, and again each time the player comes back to the table while it waits. Pure.
class TableSpeaker {
  public:
    // The screen at a moment it may speak.
    struct Moment {
        // The table's generation.
        std::uint64_t table = 0;
        // The game's newest view, and the one the table shows (which lags while the timeline plays).
        const PokerEngine::PlayerView* current = nullptr;
        const PokerEngine::PlayerView* shown = nullptr;
        // A card the player must see (their own, the board's) is still on its way.
        bool cardsComing = false;
        // The reader can hear the table: it is on screen and nothing covers it.
        bool heard = false;
        // The player's turn is open on screen (see Table/TurnGate.h).
        bool turnOpen = false;
        // The hand's tag follows the player's cards; the prompt names the keys that act.
        bool learning = false;
        bool namingKeys = false;
        // A result stays up until the player deals on; `over`: the game ended with it.
        bool resultWaits = false;
        bool over = false;
    };

    // A new table: told from its first event, whatever hand the reader heard of last.
    void newTable();
    // The game's view changed (or the screen came up on it). Unheard, the change is only kept up with:
    // shown again, the screen tells the table as it then stands. `learning`: as in Moment.
    void viewChanged(std::uint64_t table, const PokerEngine::PlayerView& to, bool heard,
                     const TableText& text, bool learning);
    // The practice caption's words, said once the events and the cards it explains have been.
    void caption(const QString& words);
    // A caption's words wait to be said: its button takes the keys only after them, so a reader hears
    // what the button acknowledges before the button itself.
    bool captionWaits() const { return !caption_.isEmpty(); }
    // The table takes the keys, as its screen comes up or the guide over it closes: the reader reads where
    // they land first, the table's standing, the player's cards among it, resting or still on their way;
    // they are not said again, nor, on a screen that has said nothing yet, what came before. At a table under
    // way (a hand resumed), nothing is said until that reading is over (`read`); then what is due follows it
    // in order, the turn's prompt last: said at once, the prompt came ahead of the table and its cards. A
    // table whose start the reader is still to hear (a new game) tells it at once, as before the reading.
    void arrived(std::uint64_t table, const PokerEngine::PlayerView& shown, bool cardsComing);
    void read();
    // The guide covers the table: nothing of it is said, what is due (a practice caption among it) keeping
    // until the guide closes over it again. Then nothing is said until the table has been read (`read`),
    // and the turn it hid is told again then.
    void covering();
    void uncovering();
    // The screen was made for a table under way (moved from the other surface, where the reader heard
    // its past): it tells the table from `now` on, the player's cards with its standing, not again.
    void joined(std::uint64_t table, const PokerEngine::PlayerView& now);
    // The player turned away from the table (its window went to the background, or it was put away):
    // nothing of the turn is said until they come back, and then the open turn is said again.
    void away();
    void back();
    // The player confirmed leaving: nothing more is said of a turn at this table.
    void leaving();
    // What is due now, as one announcement; empty when nothing is.
    QString speak(const Moment& moment);
    // The table's own words for a reader who comes to it or asks (see TableSpeech::standing), the
    // player's cards with their hand's tag in learning mode.
    QString standing(std::uint64_t table, const PokerEngine::PlayerView& shown, bool learning) const;

  private:
    // A hand as the reader knows it: the table's generation and the hand's number.
    using HandKey = std::pair<std::uint64_t, std::int64_t>;
    static HandKey handOf(std::uint64_t table, const PokerEngine::PlayerView& view) {
        return {table, view.handNumber};
    }
    void release();

    // The view the reader was last told of; none before the screen first said anything.
    std::optional<PokerEngine::PlayerView> told_;
    // Said at the next moment, in order.
    QStringList saying_;
    // The lines of a hand whose cards the reader has not heard yet, and that hand's cards.
    QStringList held_;
    std::optional<HandKey> heldHand_;
    QString heldCards_;
    std::optional<HandKey> cardsTold_;
    // The hand whose cards were read with the table while still on their way: the other players' moves
    // still wait for them to rest.
    std::optional<HandKey> readComing_;
    std::optional<HandKey> waitTold_;
    QString caption_;
    // The open turn was told, and the decision it was told for.
    bool turnTold_ = false;
    std::optional<TableSpeech::Decision> prompted_;
    bool away_ = false;
    bool covered_ = false;
    bool leaving_ = false;
    // The reader is reading the table the keys came to.
    bool reading_ = false;
};
