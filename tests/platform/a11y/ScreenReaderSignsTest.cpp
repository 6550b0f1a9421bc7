#include <gtest/gtest.h>

#include "platform/a11y/ScreenReaderSigns.h"

namespace a11y {
namespace {

TEST(ScreenReaderSigns, TheStatusCountsFromItsOwnerOnly) {
    ScreenReaderSigns signs;
    signs.StatusRead(":1.4", true);
    EXPECT_FALSE(signs.ScreenReaderRunning());  // nobody owns the accessibility bus yet
    signs.StatusOwnerChanged(":1.4");
    signs.StatusRead(":1.9", true);
    EXPECT_FALSE(signs.ScreenReaderRunning());
    signs.StatusRead(":1.4", true);
    EXPECT_TRUE(signs.ScreenReaderRunning());
    // A new owner's status is unknown until read from it.
    signs.StatusOwnerChanged(":1.7");
    EXPECT_FALSE(signs.ScreenReaderRunning());
    signs.StatusRead(":1.7", true);
    signs.StatusOwnerChanged("");
    EXPECT_FALSE(signs.ScreenReaderRunning());
}

TEST(ScreenReaderSigns, ScreenReaderConnectionsAndTheServiceName) {
    ScreenReaderSigns signs;
    signs.ReaderProcessConnected(":1.2");
    signs.ReaderProcessConnected(":1.3");
    signs.ConnectionClosed(":1.2");
    signs.ConnectionClosed(":1.8");
    EXPECT_TRUE(signs.ScreenReaderRunning());
    signs.ConnectionClosed(":1.3");
    EXPECT_FALSE(signs.ScreenReaderRunning());
    signs.OrcaServiceOwned(true);
    EXPECT_TRUE(signs.ScreenReaderRunning());
    signs.OrcaServiceOwned(false);
    EXPECT_FALSE(signs.ScreenReaderRunning());
}

}  // namespace
}  // namespace a11y
