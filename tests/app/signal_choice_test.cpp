#include "app/signal_choice.h"

#include <gtest/gtest.h>

#include <memory>

#include "dbc/loader.h"

namespace {

constexpr const char* kDatabase =
    "VERSION \"\"\n\nBU_: ECU\n\n"
    "BO_ 256 EngineData: 8 ECU\n"
    " SG_ EngineSpeed : 0|16@1+ (0.25,0) [0|16383.75] \"rpm\" ECU\n"
    " SG_ EngineTorque : 32|16@1- (0.1,0) [-3276.8|3276.7] \"Nm\" ECU\n"
    "BO_ 512 VehicleSpeed: 8 ECU\n"
    " SG_ Speed : 7|16@0+ (0.01,0) [0|655.35] \"km/h\" ECU\n"
    "BO_ 1024 Diagnostics: 8 ECU\n"
    " SG_ PageIndex M : 0|8@1+ (1,0) [0|255] \"\" ECU\n"
    " SG_ OilPressure m0 : 8|16@1+ (0.1,0) [0|6553.5] \"kPa\" ECU\n";

std::unique_ptr<dbc::CanDatabase> loaded() {
    auto database = std::make_unique<dbc::CanDatabase>();
    std::string log;
    dbc::LoadOptions options;
    options.logText = &log;
    EXPECT_TRUE(dbc::loadDbcText(*database, kDatabase, options));
    return database;
}

std::vector<std::string> shownNames(const app::SignalChoice& choice, std::string_view filter) {
    std::vector<std::string> names;
    for (size_t row : choice.shownRows(filter)) {
        names.push_back(choice.rows()[row].message + "." + choice.rows()[row].signal);
    }
    return names;
}

TEST(SignalChoice, EverySignalIsARowAndTheFilterTakesTheCommandLinesWildcards) {
    const auto owned = loaded();
    const dbc::CanDatabase& database = *owned;
    const app::SignalChoice choice(database, u"");
    ASSERT_EQ(choice.rows().size(), 5u);
    EXPECT_EQ(choice.chosenCount(), 5u);
    EXPECT_EQ(shownNames(choice, "").size(), 5u);
    // A signal, Message.Signal or a message; case matters as in DBC names.
    EXPECT_EQ(shownNames(choice, "Engine*"),
              (std::vector<std::string>{"EngineData.EngineSpeed", "EngineData.EngineTorque"}));
    EXPECT_EQ(shownNames(choice, "Speed"), (std::vector<std::string>{"VehicleSpeed.Speed"}));
    EXPECT_EQ(shownNames(choice, "*.??lPressure"),
              (std::vector<std::string>{"Diagnostics.OilPressure"}));
    EXPECT_EQ(shownNames(choice, "Diagnostics"),
              (std::vector<std::string>{"Diagnostics.PageIndex", "Diagnostics.OilPressure"}));
    EXPECT_TRUE(shownNames(choice, "speed").empty());
    EXPECT_TRUE(shownNames(choice, "Engine").empty());
}

TEST(SignalChoice, TheChoiceIsKeptAsTheListOfSignalsAndReadBack) {
    const auto owned = loaded();
    const dbc::CanDatabase& database = *owned;
    app::SignalChoice choice(database, u"");
    EXPECT_EQ(choice.storedList(), u"");  // every signal: no list
    choice.chooseAll(choice.shownRows(""), false);
    EXPECT_EQ(choice.chosenCount(), 0u);
    choice.chooseAll(choice.shownRows("Engine*"), true);
    choice.setChosen(2, true);
    choice.setChosen(4, true);
    choice.setChosen(99, true);  // no such row: nothing happens
    EXPECT_EQ(choice.chosenCount(), 4u);
    const std::u16string stored = choice.storedList();
    EXPECT_EQ(stored, u"EngineData.*,VehicleSpeed.*,Diagnostics.OilPressure");

    const app::SignalChoice again(database, stored);
    for (size_t i = 0; i < again.rows().size(); ++i) {
        EXPECT_EQ(again.rows()[i].chosen, choice.rows()[i].chosen) << i;
    }
    const decode::SelectionRequest request = app::selectionOfStoredList(stored);
    EXPECT_EQ(request.signals, (std::vector<std::string>{"EngineData.*", "VehicleSpeed.*",
                                                         "Diagnostics.OilPressure"}));
    EXPECT_TRUE(request.messages.empty() && request.ids.empty());
    EXPECT_TRUE(app::selectionOfStoredList(u"").empty());
    EXPECT_TRUE(app::selectionOfStoredList(u"a,,b").empty());  // a damaged list: every signal

    // A list of names this database does not have chooses nothing of it.
    const app::SignalChoice other(database, u"Brake*");
    EXPECT_EQ(other.chosenCount(), 0u);
}

}  // namespace
