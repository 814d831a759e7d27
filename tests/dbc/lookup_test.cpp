#include <gtest/gtest.h>

#include <string>

#include "tests/dbc/dbc_text.h"

namespace {

std::string message(uint32_t id, const std::string& name) {
    return "BO_ " + std::to_string(id) + " " + name + ": 8 X\n SG_ s : 0|8@1+ (1,0) [0|1] \"\" X\n";
}

TEST(FindMessage, ExactRawIdOnly) {
    dbc::CanDatabase db;
    dbc_test::load(db, message(0x80000100u, "Ext") + message(256, "Std") + message(0x200, "A") +
                           message(0x200, "B") + message(0x200, "C") + message(0x7FF, "Top"));
    ASSERT_NE(dbc::findMessage(db, 0x100), nullptr);
    EXPECT_EQ(dbc::findMessage(db, 0x100)->name, "Std");
    EXPECT_EQ(dbc::findMessage(db, 0x80000100u)->name, "Ext");
    const dbc::DbcMessage* shared = dbc::findMessage(db, 0x200);
    ASSERT_NE(shared, nullptr);
    EXPECT_EQ(shared->rawId, 0x200u);
    for (uint32_t missing : {0u, 0xFFu, 0x101u, 0x201u, 0x800u, 0x80000000u, 0xFFFFFFFFu}) {
        EXPECT_EQ(dbc::findMessage(db, missing), nullptr) << missing;
    }
}

TEST(FindMessage, EmptyDatabaseFindsNothing) {
    dbc::CanDatabase db;
    EXPECT_EQ(dbc::findMessage(db, 0), nullptr);
}

}  // namespace
