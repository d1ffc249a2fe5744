#include "Persistence/Profile.h"
#include "PokerEngine/DecodingError.h"
#include "Json/StoredJson.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using nlohmann::json;

namespace {

const char* const defaultProfileText =
    R"({"bankroll":10000,"choices":{"cashBuyInBB":100,"cashDifficulty":"mixed","cashOpponents":5,"cashStakes":10,)"
    R"("quickHandDifficulty":"medium","quickHandHands":1,"sitAndGoDifficulty":"medium"},"counters":{"handsPlayed":0,)"
    R"("quickHandsPlayed":0,"sitAndGoFirsts":0,"sitAndGoSeconds":0,"sitAndGosPlayed":0},"onboarded":false,)"
    R"("practiceRowDismissed":false,"schemaVersion":1,"settings":{"autoDeal":false,"botSpeed":"normal",)"
    R"("defaultTable":"quickHand","fourColorDeck":false,"hotkey":{"enabled":false,"shortcut":{"command":true,)"
    R"("control":false,"key":"P","keyCode":35,"option":false,"shift":true}},"launchSurface":"menuBar",)"
    R"("learningMode":false,"showStackInMenuBar":false,"soundsOn":true,"style":"satin"}})";

Profile decode(const std::string& text) {
    return json::parse(text).get<Profile>();
}

// A profile in which every field differs from its default.
Profile unusualProfile() {
    Profile profile;
    profile.bankroll = 1234;
    profile.lastRefillDate = Instant(std::chrono::seconds(1773480605));
    profile.lastRefillCheckDay = CalendarDay{2026, 3, 14};
    profile.onboarded = true;
    profile.settings = {BotSpeed::slow,
                        true,
                        TableStyleID::pixel,
                        true,
                        false,
                        true,
                        {true, {40, false, false, true, true, "K"}},
                        GameMode::sitAndGo,
                        LaunchSurface::window,
                        true};
    profile.counters = {7, 3, 2, 1, 1};
    profile.choices = {TableDifficulty::hard,  10, TableDifficulty::easy, CashStakes::high, 40, 2,
                       TableDifficulty::medium};
    profile.practiceRowDismissed = true;
    profile.lastBooked = BookedHand{"00c0ffee12345678", "5eed5eed5eed5eed", 4, true};
    return profile;
}

} // namespace

TEST(ProfileJson, DefaultProfileIsWrittenByteForByte) {
    EXPECT_EQ(storedJsonText(json(Profile())), defaultProfileText);
    EXPECT_EQ(decode(defaultProfileText), Profile());
}

TEST(ProfileJson, EveryFieldRoundTrips) {
    const Profile profile = unusualProfile();
    EXPECT_EQ(json(profile).get<Profile>(), profile);
    const auto text = storedJsonText(json(profile));
    EXPECT_NE(text.find(R"("lastRefillDate":"2026-03-14T09:30:05Z")"), std::string::npos);
    EXPECT_NE(text.find(R"("lastRefillCheckDay":"2026-03-14")"), std::string::npos);
    EXPECT_NE(text.find(R"("cashStakes":200)"), std::string::npos);
}

TEST(ProfileJson, RefillDateLosesItsFractionOfASecond) {
    Profile profile;
    profile.lastRefillDate = Instant(std::chrono::milliseconds(1773480605750));
    const auto read = json(profile).get<Profile>();
    EXPECT_EQ(read.lastRefillDate, Instant(std::chrono::seconds(1773480605)));
}

TEST(ProfileJson, TwoRequiredKeysAreEnough) {
    const auto profile = decode(R"({"schemaVersion":1,"bankroll":500})");
    Profile expected;
    expected.bankroll = 500;
    EXPECT_EQ(profile, expected);
}

TEST(ProfileJson, CoreNumbersAreRequired) {
    for (const char* text :
         {R"({"schemaVersion":1})", R"({"bankroll":500})", R"({"schemaVersion":1,"bankroll":"500"})",
          R"({"schemaVersion":"1","bankroll":500})", R"({"schemaVersion":1,"bankroll":null})",
          R"({"schemaVersion":1,"bankroll":2.5})", R"([1,500])", R"("profile")"}) {
        EXPECT_THROW(decode(text), PokerEngine::DecodingError) << text;
    }
}

TEST(ProfileJson, NestedRecordsOfTheWrongTypeTakeTheirDefaults) {
    const auto profile = decode(R"({"schemaVersion":1,"bankroll":5,"settings":[1,2],"counters":"many",)"
                                R"("choices":7,"onboarded":"yes","practiceRowDismissed":1})");
    Profile expected;
    expected.bankroll = 5;
    EXPECT_EQ(profile, expected);
}

TEST(ProfileJson, EachMalformedKeyFallsBackAloneAndTheRestIsKept) {
    const Profile profile = unusualProfile();
    const json stored = profile;
    const json defaults = Profile();
    for (const char* section : {"settings", "counters", "choices"}) {
        for (const auto& [key, value] : stored[section].items()) {
            // A value of the wrong type for every field: objects for scalars, a number for the hotkey.
            for (const json& wrong : {value.is_object() ? json(3) : json::object(), json(nullptr)}) {
                json damaged = stored;
                damaged[section][key] = wrong;
                json expected = stored;
                expected[section][key] = defaults[section][key];
                EXPECT_EQ(json(damaged.get<Profile>()), expected) << section << "." << key << " = " << wrong;
            }
            json missing = stored;
            missing[section].erase(key);
            json expected = stored;
            expected[section][key] = defaults[section][key];
            EXPECT_EQ(json(missing.get<Profile>()), expected) << section << "." << key << " missing";
        }
    }
}

TEST(ProfileJson, TopLevelOptionalKeysFallBackAlone) {
    const json stored = unusualProfile();
    for (const char* key :
         {"lastRefillDate", "lastRefillCheckDay", "onboarded", "practiceRowDismissed", "lastBookedTable"}) {
        json damaged = stored;
        damaged[key] = json::array();
        const auto read = damaged.get<Profile>();
        json expected = stored;
        if (json(Profile()).contains(key)) {
            expected[key] = json(Profile())[key];
        } else {
            expected.erase(key);
        }
        EXPECT_EQ(json(read), expected) << key;
    }
}

TEST(ProfileJson, TheLastBookedHandReadsFromOlderProfilesAndItsTablePartOnlyWhole) {
    const auto booked = [](const std::string& keys) {
        return decode(R"({"schemaVersion":1,"bankroll":5)" + keys + "}").lastBooked;
    };
    const std::string ending = R"(,"lastBookedHand":"00c0ffee12345678")";
    const BookedHand older{"00c0ffee12345678", "", 0, false};
    EXPECT_EQ(booked(""), std::nullopt);
    EXPECT_EQ(booked(ending), older);
    EXPECT_EQ(booked(ending + R"(,"lastBookedTable":{"id":"5eed","hand":4,"ended":true})"),
              (BookedHand{"00c0ffee12345678", "5eed", 4, true}));
    EXPECT_EQ(booked(R"(,"lastBookedTable":{"id":"5eed","hand":4,"ended":false})"),
              (BookedHand{"", "5eed", 4, false}));
    for (const char* table :
         {R"({"id":7,"hand":4,"ended":true})", R"({"id":"5eed","ended":true})",
          R"({"id":"5eed","hand":4.5,"ended":true})", R"({"id":"","hand":4,"ended":true})",
          R"({"id":"5eed","hand":4,"ended":"yes"})", R"(["5eed",4,true])"}) {
        EXPECT_EQ(booked(ending + R"(,"lastBookedTable":)" + table), older) << table;
    }
    // Written back, an older record keeps the one key an older version reads.
    const json written = decode(R"({"schemaVersion":1,"bankroll":5)" + ending + "}");
    EXPECT_EQ(written["lastBookedHand"], "00c0ffee12345678");
    EXPECT_FALSE(written.contains("lastBookedTable"));
}

TEST(ProfileJson, SettingsReadKeyByKey) {
    const auto profile =
        decode(R"({"schemaVersion":1,"bankroll":5,"settings":{"soundsOn":"loud","autoDeal":true,)"
               R"("style":"paper","botSpeed":"warp","unknownKey":3}})");
    EXPECT_TRUE(profile.settings.soundsOn);
    EXPECT_TRUE(profile.settings.autoDeal);
    EXPECT_EQ(profile.settings.style, TableStyleID::paper);
    EXPECT_EQ(profile.settings.botSpeed, BotSpeed::normal);

    EXPECT_EQ(decode(R"({"schemaVersion":1,"bankroll":5,"settings":{"style":"velvet"}})").settings.style,
              TableStyleID::satin);
}

TEST(ProfileJson, HotkeyIsAllOrNothing) {
    const auto read = [](const std::string& hotkey) {
        return decode(R"({"schemaVersion":1,"bankroll":5,"settings":{"hotkey":)" + hotkey + "}}")
            .settings.hotkey;
    };
    EXPECT_EQ(read(R"({"enabled":true})"), HotkeySetting());
    const std::string fullShortcut = R"("shortcut":{"command":false,"control":true,"key":"K","keyCode":40,)"
                                     R"("option":false,"shift":false})";
    EXPECT_EQ(read(R"({"enabled":true,)" + fullShortcut + "}"),
              (HotkeySetting{true, {40, false, false, false, true, "K"}}));
    EXPECT_EQ(read(R"({"enabled":true,"shortcut":{"command":false,"control":true,"key":"K","keyCode":65536,)"
                   R"("option":false,"shift":false}})"),
              HotkeySetting());
    EXPECT_EQ(read(R"({"enabled":true,"shortcut":{"command":false,"control":true,"key":"K","keyCode":-1,)"
                   R"("option":false,"shift":false}})"),
              HotkeySetting());
    EXPECT_EQ(read(R"({"enabled":true,"shortcut":{"command":false,"control":true,"keyCode":40,)"
                   R"("option":false,"shift":false}})"),
              HotkeySetting());
    EXPECT_EQ(read(R"({"enabled":1,)" + fullShortcut + "}"), HotkeySetting());
}

TEST(ProfileJson, CashStakesAreReadAsBigBlinds) {
    const auto stakes = [](const std::string& value) {
        return decode(R"({"schemaVersion":1,"bankroll":5,"choices":{"cashStakes":)" + value + "}}")
            .choices.cashStakes;
    };
    EXPECT_EQ(stakes("200"), CashStakes::high);
    EXPECT_EQ(stakes("50"), CashStakes::medium);
    EXPECT_EQ(stakes(R"("high")"), CashStakes::low);
    EXPECT_EQ(stakes("25"), CashStakes::low);
}

TEST(ProfileJson, IntegerFieldsRejectFractionsAndKeepOutOfRangeChoices) {
    const auto choices =
        decode(R"({"schemaVersion":1,"bankroll":-50,"choices":{"quickHandHands":2.5,"cashOpponents":99}})");
    EXPECT_EQ(choices.bankroll, -50);
    EXPECT_EQ(choices.choices.quickHandHands, 1);
    EXPECT_EQ(choices.choices.cashOpponents, 99);
}

TEST(ProfileJson, CheckDayTextIsReadLoosely) {
    const auto day = [](const std::string& text) {
        return decode(R"({"schemaVersion":1,"bankroll":5,"lastRefillCheckDay":")" + text + R"("})")
            .lastRefillCheckDay;
    };
    EXPECT_EQ(day("2026-3-7"), (CalendarDay{2026, 3, 7}));
    EXPECT_EQ(day("2026--03-07"), (CalendarDay{2026, 3, 7}));
    EXPECT_EQ(day("2026-x-03-07"), (CalendarDay{2026, 3, 7}));
    EXPECT_EQ(day("+2026-13-0"), (CalendarDay{2026, 13, 0}));
    EXPECT_EQ(day("2026-03"), std::nullopt);
    EXPECT_EQ(day("2026-03-07-1"), std::nullopt);
    EXPECT_EQ(day(""), std::nullopt);
    EXPECT_EQ(CalendarDay({2026, 3, 7}).description(), "2026-03-07");
    EXPECT_EQ(CalendarDay({33, 1, 2}).description(), "0033-01-02");
}

TEST(ProfileJson, BadDayTextNamesTheText) {
    try {
        json("2026-03").get<CalendarDay>();
        FAIL() << "expected a decoding error";
    } catch (const PokerEngine::DecodingError& error) {
        EXPECT_STREQ(error.what(), "bad day 2026-03");
        EXPECT_EQ(error.kind(), PokerEngine::DecodingError::Kind::dataCorrupted);
    }
    EXPECT_THROW(json(20260307).get<CalendarDay>(), PokerEngine::DecodingError);
}

TEST(ProfileJson, RefillDateMustBeAnInternetDateTime) {
    const auto date = [](const std::string& value) {
        return decode(R"({"schemaVersion":1,"bankroll":5,"lastRefillDate":)" + value + "}").lastRefillDate;
    };
    EXPECT_EQ(date(R"("2026-03-14T09:30:05Z")"), Instant(std::chrono::seconds(1773480605)));
    EXPECT_EQ(date(R"("2026-03-14T10:30:05+01:00")"), Instant(std::chrono::seconds(1773480605)));
    EXPECT_EQ(date(R"("2026-03-14")"), std::nullopt);
    EXPECT_EQ(date(R"("2026-02-30T09:30:05Z")"), std::nullopt);
    EXPECT_EQ(date(R"("2026-03-14T09:30:05")"), std::nullopt);
    EXPECT_EQ(date("1773480605"), std::nullopt);
}

// An instant holds nanoseconds in 64 bits: 1677-09-21T00:12:44Z to 2262-04-11T23:47:16Z. A stored date
// past either end reads as no date, as any other malformed date does, and is never written back changed.
TEST(ProfileJson, RefillDateOutsideTheClocksYearsReadsAsNoDate) {
    const auto date = [](const std::string& value) {
        return decode(R"({"schemaVersion":1,"bankroll":5,"lastRefillDate":")" + value + "\"}").lastRefillDate;
    };
    for (const char* outside :
         {"1677-09-21T00:12:43Z", "1600-01-01T00:00:00Z", "0000-01-01T00:00:00Z", "2262-04-11T23:47:17Z",
          "2262-04-12T00:00:00Z", "9999-12-31T23:59:59Z", "2262-04-11T23:47:16-00:01"}) {
        EXPECT_EQ(date(outside), std::nullopt) << outside;
    }
    for (const char* inside : {"1677-09-21T00:12:44Z", "1970-01-01T00:00:00Z", "2262-04-11T23:47:16Z"}) {
        const auto read = date(inside);
        ASSERT_TRUE(read.has_value()) << inside;
        EXPECT_EQ(iso8601(*read), inside);
    }
}

TEST(KeyShortcut, DisplayWritesTheModifiersAsLinuxDoesInTheirFixedOrder) {
    EXPECT_EQ(KeyShortcut().display(), "Ctrl+Shift+P");
    EXPECT_EQ((KeyShortcut{40, true, true, true, true, "K"}).display(), "Ctrl+Alt+Shift+Super+K");
    EXPECT_EQ((KeyShortcut{96, false, false, true, false, "F5"}).display(), "Alt+F5");
    // Profiles written with the old key symbols keep their shortcut and read in today's names.
    EXPECT_EQ((KeyShortcut{36, true, false, false, false, "↩"}).display(), "Ctrl+Return");
    EXPECT_EQ((KeyShortcut{126, true, false, false, true, "↑"}).display(), "Ctrl+Super+Up");
    EXPECT_EQ((KeyShortcut{48, false, false, true, false, "⇥"}).display(), "Alt+Tab");
    EXPECT_NE(std::hash<KeyShortcut>{}(KeyShortcut()), std::hash<KeyShortcut>{}(KeyShortcut{36}));
}

TEST(CalendarDay, TheTimeZoneDecidesTheDay) {
    // 2026-03-06 23:30 UTC
    const Instant lateEvening(std::chrono::seconds(1772839800));
    EXPECT_EQ(CalendarDay::of(lateEvening, QTimeZone::utc()), (CalendarDay{2026, 3, 6}));
    EXPECT_EQ(CalendarDay::of(lateEvening, QTimeZone(3600)), (CalendarDay{2026, 3, 7}));
    EXPECT_EQ(CalendarDay::of(lateEvening, QTimeZone(-12 * 3600)), (CalendarDay{2026, 3, 6}));
    EXPECT_LT((CalendarDay{2025, 12, 31}), (CalendarDay{2026, 1, 1}));
}
