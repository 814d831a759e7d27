#include "platform/status.h"

#include <gtest/gtest.h>

namespace {

using platform::Place;
using platform::Status;

TEST(Status, SaysWhereAndWhatOrNothingOnSuccess) {
    EXPECT_TRUE(Status().ok());
    EXPECT_EQ(Status().description(), "");
    const Status cut =
        Status::failure(platform::kInvalidData, "container runs past the end", Place::byte(4096));
    EXPECT_FALSE(cut.ok());
    EXPECT_EQ(cut.code(), platform::kInvalidData);
    EXPECT_EQ(cut.description(), "byte 4096: container runs past the end");
    EXPECT_EQ(Status::failure(platform::kInvalidData, {}, Place::line(12)).description(),
              "line 12");
    EXPECT_EQ(Status::failure(platform::kOutOfMemory, "no room").description(), "no room");
    EXPECT_EQ(Place::object(7).text(), "object 7");
    EXPECT_EQ(Place::record(3).text(), "record 3");
    // A failure is never success, whatever code it is given.
    EXPECT_FALSE(Status::failure(platform::kOk).ok());
}

}  // namespace
