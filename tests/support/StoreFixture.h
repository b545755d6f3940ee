#pragma once

#include <gtest/gtest.h>

#include <QStringList>

#include "ConfigHome.h"
#include "settings/SettingsStore.h"

// A test of the per-user store, which starts and ends without a file; what the store reports is
// kept in `reports`.
class StoreFixture : public ::testing::Test {
protected:
    void SetUp() override { ClearNativeFolder(); }
    void TearDown() override { ClearNativeFolder(); }

    SettingsStore Store() {
        return SettingsStore([this](const SettingsStore::Failure& failure) { reports << failure.Message(); });
    }

    QStringList reports;
};
