#pragma once

#include <gtest/gtest.h>

#include "support/TestEnvironment.h"
#include "tokens/FileMetaDataStore.h"

// A temporary folder for fixture files and the store that reads them.
class MetaDataStoreFixture : public testing::Test {
protected:
    static QVariant value(const MetaDataItemPtr &item, const char *key) {
        return item->copyAttribute(QString::fromLatin1(key));
    }

    TestDir dir;
    FileMetaDataStore store;
};
