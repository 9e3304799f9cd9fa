#pragma once

#include <gtest/gtest.h>

#include <QVariantList>
#include <QVariantMap>
#include <memory>

#include "controller/ZKRenamingController.h"
#include "support/QtPrinters.h"

// A running application's controller (launch finished) over the isolated user defaults,
// which are emptied after every test.
class ConfigurationTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A controller as at launch or after it.
    static std::unique_ptr<ZKRenamingController> makeController(bool finishedLaunching = true);

    // Three steps: a Sequence from -5 by 2, an Insert of "x-", and a Find and Replace of "a"
    // by "b" that also holds a setting its operation does not use.
    static QList<ZKRenamerPtr> sampleRenamers();
    // Every stored value away from its default: sample steps, folders only without their
    // contents, "Don't Sort" first and size descending, all switches flipped, start-up from
    // the open dialog, preview condition 2, no confirmation, quit when closed, clear after
    // renaming, theme 4.
    static void configureAwayFromDefaults(ZKRenamingController &controller);

    // The steps' archives with every setting, for comparison.
    static QVariantList fullArchives(ZKRenamingController &controller);

    // The configuration of an empty archive: files and folder contents listed, folders not,
    // default priorities, both ignore switches on, no auto-uniqueify, free spacing per the
    // user default, one all-default Find and Replace step.
    static void expectDefaultConfiguration(ZKRenamingController &controller);
    static void expectDefaultGeneralSettings(const ZKGeneralSettings &settings,
                                             bool finishedLaunching = true);

    static void setUserDefault(const QString &key, const QVariant &value);
};

// Property-list equality (an integer and a boolean of the same value are equal).
::testing::AssertionResult archivesEqual(const QVariant &expected, const QVariant &actual);
